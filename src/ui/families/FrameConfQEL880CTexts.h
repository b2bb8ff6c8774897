#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FrameConfQEL880CTexts {

enum TId {
    MeasurementMode,
    Resistance,
    Current,
    TapChanger,
    ResistancePerPosition,
    Positions,
    MinPosition,
    MaxPosition,
    NeutralPosition,
    ErrorResistance,
    ErrorPositions,
    ErrorMinPosition,
    ErrorMaxPosition,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfQEL880CTexts
