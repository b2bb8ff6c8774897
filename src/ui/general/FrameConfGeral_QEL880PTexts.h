#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the parallelism controller's own readings, relays and commands on its general screen.
namespace FrameConfGeral_QEL880PTexts {

enum TId {
    RowCurrentPosition,
    RowExpectedPosition,
    RowMode,
    RowCommunicationError,
    RowConfigurationError,
    RowPositionError,
    RowSynchronismError,
    RowInternalError,
    ModeMaster,
    ModeCommanded,
    ModeIndividual,
    ModeOff,
    ModeUnknown,
    NoError,
    ErrorNoAnswer,
    ErrorSameAddress,
    ErrorSeveralModes,
    ErrorBusSizeOne,
    ErrorNoMaster,
    ErrorSeveralMasters,
    ErrorNoCommandedAnswered,
    ErrorInvalidAddress,
    ErrorResistanceDiffers,
    ErrorMeasurement,
    ErrorResistanceNotConnected,
    ErrorPositionSelf,
    ErrorPositionOther,
    ErrorOscillator,
    RelayRise,
    RelayLower,
    RelayManual,
    RelayMaster,
    RelayCommanded,
    RelayIndividual,
    RelayFailure,
    FunctionConfiguration,
    FunctionCommunication,
    FunctionMeasurement,
    FunctionSynchronism,
    FunctionNormal,
    PositionUp,
    PositionDown,
    NotMasterOrIndividual,
    AutomaticMode,
    ErrorActive,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfGeral_QEL880PTexts
