#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FormCalibCorrenteTexts {

enum TId {
    Caption,
    CurrentOutput,
    OutputBoard,
    NumberOfPoints,
    HeadDesired,
    HeadObtained,
    SaveCalibration,
    Ok,
    Cancel,
    Present,
    Gain,
    Offset,
    ErrorPoints,
    ErrorCurrent,
    ErrorNumeric,
    ErrorDrive,
    ErrorSaving,
    Unsaved,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FormCalibCorrenteTexts
