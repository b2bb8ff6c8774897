#pragma once

#include <array>
#include <cstddef>

// The shape of every text table: one row per text, three languages, checked at compile time. Core
// texts (the commissioning report) use it as the screens do.
namespace Language {

constexpr int kCount = 3; // 0 Portuguese, 1 English, 2 Spanish

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

} // namespace Language
