#pragma once

#include <optional>
#include <string>
#include <string_view>

// How one edit box of a settings screen maps to its register: an integer as typed, or a decimal
// stored in tenths, perhaps shifted by an offset, accepted within bounds that carry a small
// tolerance around the ones its message states.
struct TFieldRule {
    int decimals = 0; // 0: integer as typed; 1: tenths
    int low = 0;      // integers: as typed; decimals: the typed value in ten-thousandths
    int high = 0;
    int offset = 0; // added to the stored value: Ur of -25.0 V is stored as 0

    // The register value of the typed text, or nothing when it is refused. The bounds apply to the
    // typed value itself; the rounding to tenths halves to the even neighbour on the text.
    std::optional<int> Parse(std::string_view text) const;
    // The register value as the box shows it.
    std::string Format(int value) const;
};
