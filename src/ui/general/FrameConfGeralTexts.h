#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the thermal monitor's own readings and settings on its general screen.
namespace FrameConfGeralTexts {

enum TId {
    Indication,
    IndicationTemperature,
    IndicationQuantity,
    IndicationPercent,
    Frequency,
    HeadingRtd,
    HeadingTemperature,
    HeadingResistance,
    HeadingWinding,
    HeadingCurrent,
    HeadingCurrentPercent,
    RelayName,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfGeralTexts
