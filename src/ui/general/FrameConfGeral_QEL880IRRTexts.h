#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the irrigation controller's own readings, outputs and commands on its general screen.
namespace FrameConfGeral_QEL880IRRTexts {

enum TId {
    RainGauge,
    WaterMeter,
    LastCycleWater,
    Pressure,
    DigitalInputs,
    Temperature,
    SystemStatus,
    Manual,
    ResetHydrometer,
    ResetPluviometer,
    UnblockSystem,
    Emergency,
    OutputPump,
    OutputBlock,
    OutputWater,
    OutputPressure,
    OutputFailure,
    StatusNoWater,
    StatusRainAboveLimit,
    StatusPressureHigh,
    StatusPressureLow,
    StatusWaterAboveLimit,
    StatusEmergency,
    NoActiveValve,
    SystemOk,
    DeviceDisconnected,
    BranchName,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfGeral_QEL880IRRTexts
