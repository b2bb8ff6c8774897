#pragma once

#include "ui/common/Language.h"

#include <array>

namespace Form_QEL880IRR_ManualTexts {

enum TId {
    Caption,
    ManualCycle,
    Branch,
    Duration,
    StartCycle,
    StopCycle,
    ManualControl,
    Pump,
    ErrorSending,
    CommunicationError,
    InvalidNumber,
    CommandSent,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace Form_QEL880IRR_ManualTexts
