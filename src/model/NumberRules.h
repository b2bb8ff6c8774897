#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The number rules of every settings screen, as pure functions.
namespace NumberRules {

// Decimal text with "." or "," as the separator (no thousands separators, blanks around it allowed)
// times 10^decimals, rounded to the nearest integer with halves to the even neighbour. The rounding
// is of the decimal text itself, never of a binary double: "0.575" in hundredths is 57.5, which
// goes to 58, although 0.575 as a double is 57.4999... hundredths. Nothing for anything else, or
// for a value beyond 32 bits.
std::optional<int> ParseScaled(std::string_view text, int decimals);

// A plain decimal integer (an optional sign, digits, blanks around it).
std::optional<int> ParseInteger(std::string_view text);

constexpr bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

// A scaled register value back to text with exactly `decimals` digits after ".": 125 with 1 -> "12.5".
std::string FormatScaled(long long value, int decimals);

// Text packed two characters to a register, the first in the low byte, positions past the text 0,
// at most 2 x registers characters.
std::vector<int> PackText(std::string_view bytes, int registers);

// An IEEE single held in two registers, the lower-numbered one with the low 16 bits. A NaN from the
// device counts as 0.
float FloatFromWords(int low, int high);
// The two registers of an IEEE single, the low word first.
std::pair<int, int> WordsFromFloat(float value);

} // namespace NumberRules
