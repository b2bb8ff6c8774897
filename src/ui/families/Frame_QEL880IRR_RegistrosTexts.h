#pragma once

#include "ui/common/Language.h"

#include <array>

namespace Frame_QEL880IRR_RegistrosTexts {

enum TId {
    RecordCount,
    SaveInFile,
    EraseRecords,
    SaveTitle,
    Filter,
    Reading,
    AskErase,
    ErrorSending,
    CommandSent,
    FileSaved,
    ErrorSaving,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace Frame_QEL880IRR_RegistrosTexts
