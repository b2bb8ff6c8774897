#pragma once

#include <optional>
#include <string>
#include <string_view>

// The settings of a thermal monitor's membrane-failure routine as the technician types them: four
// times in seconds (held by the device in units of 1.2 s), two sample counts and a temperature step
// in degrees (held in tenths).
namespace MembraneParameters {

constexpr int kFirst = 1202; // rows 1..7 are 1202..1208
constexpr int kRows = 7;

// The register value of row 1..7's text, held to what the routine takes. Nothing for a text that is
// not a decimal ("." or ","), or for one beyond 32 bits.
std::optional<int> Encode(int row, std::string_view text);
// The cell text of row 1..7's register value.
std::string Decode(int row, int value);

} // namespace MembraneParameters
