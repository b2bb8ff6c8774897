#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the current outputs screen.
namespace FrameConfSaidaCorrenteTexts {

enum TId {
    Scale,
    ScaleFixed,
    FullScale,
    VoltageFullScale,
    CurrentFullScale,
    ChannelOfOutput,
    Oil,
    WindingPrefix,
    VoltageChannel,
    CurrentChannel,
    TapChannel,
    InvalidFullScale,
    InvalidCurrentFullScale,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfSaidaCorrenteTexts
