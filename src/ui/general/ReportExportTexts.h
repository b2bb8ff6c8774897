#pragma once

#include "ui/common/Language.h"

#include <array>

// The texts of the general screens' commissioning report button.
namespace ReportExportTexts {

enum TId { ReportButton, SaveTitle, Filter, SavedOk, SaveError, Count };

extern const std::array<Language::TText<TId>, Count> kTexts;

inline QString Text(TId id, int language) {
    return Language::Pick(kTexts, id, language);
}

} // namespace ReportExportTexts
