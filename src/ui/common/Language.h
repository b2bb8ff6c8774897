#pragma once

#include <array>
#include <cstddef>

#include <QString>

// The one place that picks a text by language: 0 Portuguese, 1 English, 2 Spanish.
namespace Language {

constexpr int kCount = 3;

constexpr int Index(int language) {
    return language >= 0 && language < kCount ? language : 0;
}

// One text in the three languages, under its id.
template <typename Id> struct TText {
    Id id;
    std::array<const char*, kCount> text;
};

// A text table lists every id once, in the order of the ids, so that a row inserted in the wrong
// place or forgotten is a compile error rather than every later text shifted.
template <typename Id, std::size_t N> constexpr bool InOrder(const std::array<TText<Id>, N>& rows) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(rows[i].id) != i)
            return false;
    return true;
}

template <typename Id, std::size_t N>
QString Pick(const std::array<TText<Id>, N>& rows, Id id, int language) {
    return QString::fromUtf8(
        rows[static_cast<std::size_t>(id)].text[static_cast<std::size_t>(Index(language))]);
}

} // namespace Language
