#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the serial protocol screen.
namespace FrameConfSerialTexts {

enum TId {
    PortIndex,
    CannotModify,
    Mode,
    BaudRate,
    Format,
    Address,
    TxDelay,
    HexAddress,
    AppLayerConfirm,
    OnlyEvents,
    Always,
    InterframeGap,
    Never,
    BackoffFixed,
    BackoffRandom,
    InterOctetGap,
    InvalidModbusAddress,
    InvalidTxDelay,
    InvalidDnpAddress,
    InvalidBackoff,
    InvalidInterOctetGap,
    ErrorSending,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameConfSerialTexts
