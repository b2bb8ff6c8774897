#pragma once

#include <QString>

#include <optional>

// The number rules of the calibration dialogs' cells.
namespace ServiceNumbers {

// A decimal typed with "." or "," (no exponent, no thousands separators).
std::optional<double> Decimal(const QString& text);

// The forced-output register of a current typed in mA: its share of the board's full scale (32 mA,
// or 1.5 mA on the low-range board) in 50000ths, halves to the even neighbour on the text. Nothing
// for a current the board cannot drive.
std::optional<int> ForcedCurrent(const QString& text, bool lowRange);

} // namespace ServiceNumbers
