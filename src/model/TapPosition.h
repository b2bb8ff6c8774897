#pragma once

#include <optional>
#include <string>

// The tap position as the device's display shows it, by the display style chosen on the device
// (register 703) relative to the reference position (register 704).
namespace TapPosition {

// Styles: 0 "1 ... n", 1 "-x ... +y", 2 "+y ... -x", 3 "xL ... N ... yR", 4 "xR ... N ... yL".
// Nothing for a style the device does not have.
std::optional<std::string> Text(int style, int position, int reference);

} // namespace TapPosition
