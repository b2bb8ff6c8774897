#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of both regression calibration dialogs.
namespace FormCalibRegressaoTexts {

enum TId {
    CaptionRtd,
    CaptionCurrent,
    Previous,
    Next,
    MeasuredValue,
    CopyMeasurement,
    ExpectedValue,
    Add,
    Remove,
    SaveCalibration,
    Measured,
    ExpectedOhms,
    ExpectedCelsius,
    ExpectedArms,
    ExpectedVrms,
    Current,
    Gain,
    Offset,
    Input,
    InvalidMeasured,
    InvalidExpected,
    MaximumPoints,
    SelectLine,
    NotSaved,
    ErrorSending,
    Saved,
    ErrorReading,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FormCalibRegressaoTexts
