#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts every general screen shares: connection, identity, administration and files.
namespace GeneralScreenTexts {

enum TId {
    ConnectSerial,
    ConnectUsb,
    ConnectIp,
    DisconnectCaption,
    SaveConf,
    LoadConf,
    ChangePassword,
    ChangeIp,
    AdjustPc,
    AdjustManual,
    DeviceLanguage,
    LanguagePortuguese,
    LanguageEnglish,
    LanguageSpanish,
    NotConnected,
    SerialNumber,
    FirmwareVersion,
    Connecting,
    ConnectingMore,
    AccessError,
    PortDenied,
    NoSignature,
    SignatureOf,
    InvalidSignature,
    NotAnswering,
    NotAnsweringCom,
    PasswordWrong,
    NeedsNewer,
    InvalidIp,
    ErrorSending,
    AskClock,
    ErrorReadingConf,
    SavedOk,
    SaveError,
    LoadingConf,
    LoadedOk,
    LoadError,
    SaveTitle,
    LoadTitle,
    ConfFilter,
    MissingKeys,
    NothingToLoad,
    FileUnreadable,
    PathNotStorable,
    DeviceLost,
    CommandSent,
    TrendCaption,
    Reconnecting,
    OtherDeviceOnLink,
    NotSentLinkDown,
    BadUnitIndex,
    RefusingReads,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace GeneralScreenTexts
