#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the irrigation settings screen.
namespace FrameConfQEL880IRRTexts {

enum TId {
    CycleGroup,
    Start,
    Duration,
    Branch,
    MaxHydrometer,
    BlockIfExceeded,
    BranchDelay,
    PumpGroup,
    PressureSensor,
    Relay,
    CurrentInput,
    FullScale,
    MaxPressure,
    MinPressure,
    TimerMaxPressure,
    TimerMinPressure,
    EnableBuzzer,
    SensorsGroup,
    OperationMode,
    Manual,
    Automatic,
    EnableHydrometer,
    HydrometerFactor,
    LitresPerPulse,
    EnablePluviometer,
    PluviometerFactor,
    MmPerPulse,
    MaxPluviometer,
    PluviometerPeriod,
    EnablePt100,
    WaterPresence,
    PressureSwitch,
    NormallyClosed,
    NormallyOpen,
    MaxPluviometerBranch,
    GeneralGroup,
    EnableValves,
    Disable,
    Enable,
    ManualDuration,
    ErrorSending,
    InvalidValue,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfQEL880IRRTexts
