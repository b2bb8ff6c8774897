#pragma once

// The texts of the thermal monitor's general screen, per language (Portuguese, English, Spanish).
namespace FrameConfGeralTexts {

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
    Indication,
    IndicationTemperature,
    IndicationQuantity,
    IndicationPercent,
    DeviceLanguage,
    LanguagePortuguese,
    LanguageEnglish,
    LanguageSpanish,
    Frequency,
    HeadingRtd,
    HeadingTemperature,
    HeadingResistance,
    HeadingWinding,
    HeadingCurrent,
    HeadingCurrentPercent,
    NotConnected,
    SerialNumber,
    FirmwareVersion,
    Connecting,
    ConnectingMore,
    AccessError,
    NoSignature,
    SignatureOf,
    InvalidSignature,
    NotAnswering,
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
    Count
};

const char* Get(TId id, int language);

} // namespace FrameConfGeralTexts
