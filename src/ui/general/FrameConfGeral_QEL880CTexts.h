#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the position indicator's own readings and outputs on its general screen.
namespace FrameConfGeral_QEL880CTexts {

enum TId {
    HeadingMeasure,
    RowResistance,
    RowCurrent,
    RowPosition,
    RowIndication,
    RowFailure,
    FailureMeasurement,
    FailureDisconnected,
    FailureAboveLast,
    FailureWaiting,
    NoFailure,
    OutputMinPosition,
    OutputMaxPosition,
    OutputFailure,
    OutputPowerFailure,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfGeral_QEL880CTexts
