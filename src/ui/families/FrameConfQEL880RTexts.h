#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the regulator's equipment settings screen.
namespace FrameConfQEL880RTexts {

enum TId {
    LdcGroup,
    LdcType,
    Ur,
    Ux,
    ZComp,
    MaxComp,
    PtCtGroup,
    ConnectionType,
    SinglePhase,
    PhaseNeutral,
    PhasePhase,
    Lag,
    PtRatio,
    CtRatio,
    RatedCurrent,
    BlockGroup,
    Undervoltage,
    Overvoltage,
    Overcurrent,
    TapChangerGroup,
    ResistancePerPosition,
    Positions,
    NeutralPosition,
    MinPosition,
    MaxPosition,
    PulseDuration,
    PositionMeasure,
    Active,
    Deactivated,
    InvalidUr,
    InvalidUx,
    InvalidZ,
    InvalidMaxComp,
    InvalidLag,
    InvalidPtRatio,
    InvalidCtRatio,
    InvalidRatedCurrent,
    InvalidUndervoltage,
    InvalidOvervoltage,
    InvalidOvercurrent,
    InvalidResistancePerPosition,
    InvalidPositions,
    InvalidNeutralPosition,
    InvalidMinPosition,
    InvalidMaxPosition,
    InvalidPulseDuration,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfQEL880RTexts
