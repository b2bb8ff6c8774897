#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FormTesteValoresTexts {

enum TId {
    Caption,
    Activate,
    SendButton,
    Send2Button,
    Units,
    InvalidValue,
    RowCurrent1,
    RowCurrent2,
    RowCurrent3,
    RowPosition,
    RowSecondaryVoltage,
    RowSecondaryCurrent,
    RowLag,
    RowTemperature,
    RowDigitalInputs,
    RowPressure,
    RowPeriod,
    RowCurrent,
    RowCurrentMin,
    RowCurrentMax,
    RowRelays,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FormTesteValoresTexts
