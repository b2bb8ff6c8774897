#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FormDetectFalhaParamTexts {

enum TId {
    Caption,
    Info,
    Send,
    SaveMeasurements,
    SaveTitle,
    Filter,
    InvalidValue,
    ErrorSaving,
    CurrentMeasure,
    StateSetup,
    StateStabilization,
    StateStimulus,
    StateWait,
    StateMeasure,
    StateDeadTime,
    StateUnknown,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FormDetectFalhaParamTexts
