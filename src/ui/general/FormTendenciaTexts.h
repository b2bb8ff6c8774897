#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FormTendenciaTexts {

enum TId {
    Caption,
    Pause,
    ExportCsv,
    SaveTitle,
    Filter,
    ErrorSaving,
    Exported,
    AxisTime,
    Rtd,
    WindingTemperature,
    WindingCurrent,
    SecondaryVoltage,
    PrimaryVoltage,
    Current,
    Position,
    Pressure,
    WaterMeter,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FormTendenciaTexts
