#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the test and calibration screen.
namespace FrameTesteCalibracaoTexts {

enum TId {
    SerialNumber,
    Resistor127,
    CalibrateRtds,
    RtdRegression,
    CurrentInputRegression,
    CalibrateOutput,
    SimulateMeasurements,
    ReadTestParameter,
    ReadLastErrors,
    TestMode,
    Off,
    On,
    DeactivateCalibration,
    CurrentOutputStandard,
    CurrentOutputLowRange,
    SavedSize,
    ErrorSending,
    InvalidCurrentStandard,
    InvalidCurrentLowRange,
    InvalidResistor,
    InvalidSerialNumber,
    ErrorReadingTestParameter,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameTesteCalibracaoTexts
