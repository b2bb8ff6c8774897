#pragma once

#include "model/TextTable.h"

#include <QString>

// The one place that picks a text by language for the screens.
namespace Language {

template <typename Id, std::size_t N>
QString Pick(const std::array<TText<Id>, N>& rows, Id id, int language) {
    return QString::fromUtf8(
        rows[static_cast<std::size_t>(id)].text[static_cast<std::size_t>(Index(language))]);
}

} // namespace Language
