#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the regulator relay's own readings and commands on its general screen.
namespace FrameConfGeral_QEL880RTexts {

enum TId {
    Indication,
    Measure,
    SecondaryVoltage,
    SecondaryCurrent,
    LineVoltage,
    LineCurrent,
    LoadVoltage,
    LineLag,
    PowerFactor,
    ActiveSet,
    CurrentPosition,
    ApparentPower,
    ActivePower,
    ReactivePower,
    NominalVoltagePercent,
    NominalCurrentPercent,
    VoltageDeviation,
    MinimumPosition,
    MaximumPosition,
    Commutations,
    Millions,
    ResetExtremes,
    PositionUp,
    PositionDown,
    RelayUp,
    RelayDown,
    RelayUndervoltage,
    RelayOvervoltage,
    RelayOvercurrent,
    RelayFailure,
    RelayMinimumPosition,
    RelayMaximumPosition,
    RelayPreSignalUp,
    RelayPreSignalDown,
    AskReset,
    MemoryReset,
    ErrorErasing,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfGeral_QEL880RTexts
