#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FormCalibRTDTexts {

enum TId {
    Caption,
    HeadRtd,
    HeadGain,
    HeadOffset,
    HeadBefore,
    HeadAfter,
    ErrorNumeric,
    ErrorGain,
    ErrorOffset,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FormCalibRTDTexts
