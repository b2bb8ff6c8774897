#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the regulation set screen.
namespace FrameConfConjuntoRegTexts {

enum TId {
    SetGroup,
    RatedVoltage,
    MaxDeviation,
    CommandType,
    Pulse,
    Constant,
    TimingType,
    Inverse,
    FallingTime,
    RisingTime,
    RepetitionTime,
    StartTime,
    EndTime,
    InvalidRatedVoltage,
    InvalidMaxDeviation,
    InvalidFallingTime,
    InvalidRisingTime,
    InvalidRepetitionTime,
    InvalidStartHour,
    InvalidStartMinute,
    InvalidEndHour,
    InvalidEndMinute,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfConjuntoRegTexts
