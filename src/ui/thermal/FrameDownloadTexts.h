#pragma once

#include "ui/common/Language.h"

#include <array>

namespace FrameDownloadTexts {

enum TId {
    MaxTemperature,
    Timestamp,
    Time,
    WindingRow,
    ResetMax,
    RecordedEvents,
    DownloadEvents,
    EraseEvents,
    EventTimer,
    SaveTitle,
    Filter,
    ErrorTimer,
    ErrorSending,
    AskReset,
    AskErase,
    Erased,
    ErrorErasing,
    Downloading,
    ErrorDownloading,
    Downloaded,
    ErrorSaving,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace FrameDownloadTexts
