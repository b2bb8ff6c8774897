#pragma once

#include <optional>
#include <string>
#include <string_view>

// The values the device measures in place of its inputs while a measurement test runs: nine
// registers after the mode, each with a family's own meaning and scaling.
namespace MeasurementSimulation {

constexpr int kMode = 2150;
constexpr int kValues = 2151;
constexpr int kRows = 9;

enum class TScale {
    Unused,      // sent as 0
    Tenths,      // a decimal x 10
    Hundredths,  // a decimal x 100
    Thousandths, // a decimal x 1000
    Integer,     // a whole number, decimal or "$" and hexadecimal
    IntegerHex,  // the same, shown as "$" and four hexadecimal digits
    Byte,        // a whole number held to 0..255
};

// What row 1..9 means to a family; Unused outside those.
TScale RowScale(int family, int row);

// The register value of a typed cell, held to what the register takes (a negative value is 0, one
// beyond the register's range its top). Nothing for a text that is not a number of the row's kind,
// or for one beyond 32 bits.
std::optional<int> Encode(TScale scale, std::string_view text);
// The cell text of a register value.
std::string Decode(TScale scale, int value);

} // namespace MeasurementSimulation
