#include "model/TapPosition.h"

namespace TapPosition {

std::optional<std::string> Text(int style, int position, int reference) {
    const int above = position - reference;
    switch (style) {
    case 0:
        return std::to_string(position);
    case 1:
        return std::to_string(above);
    case 2:
        return std::to_string(-above);
    case 3:
    case 4: {
        if (above == 0)
            return "N";
        // Style 3 counts the taps below the reference to the left, style 4 to the right.
        const bool left = (above < 0) == (style == 3);
        return std::to_string(above < 0 ? -above : above) + (left ? "L" : "R");
    }
    default:
        return std::nullopt;
    }
}

} // namespace TapPosition
