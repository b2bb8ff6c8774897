#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FrameConfSetPointsTexts {

enum TId {
    HeadRelay,
    HeadRtdSetPoint,
    HeadRtdHysteresis,
    HeadDelay,
    HeadChannel,
    HeadForce,
    HeadLogic,
    HeadCurrentSetPoint,
    HeadCurrentHysteresis,
    HeadFunction,
    Oil,
    Winding,
    NotForced,
    Forced,
    NormalLogic,
    InverseLogic,
    Alarm,
    Cooling,
    InvalidValue,
    DailyCooling,
    StartTime,
    Duration,
    Configuration,
    Alternation,
    AlternationOff,
    Alternation56,
    Alternation78,
    AlternationBoth,
    ActiveRtds,
    RedundantRtds,
    MaxDifference,
    Calculation,
    NominalCurrent,
    DeltaT,
    TimeConstant,
    ParameterM,
    ErrorSetPoint,
    ErrorHysteresis,
    ErrorDelay,
    ErrorCurrentSetPoint,
    ErrorStartTime,
    ErrorDuration,
    ErrorMaxDifference,
    ErrorNominalCurrent,
    ErrorDeltaT,
    ErrorTimeConstant,
    ErrorParameterM,
    ErrorSending,
    AlternationFailed,
    AlternationCheck,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfSetPointsTexts
