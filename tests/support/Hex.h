#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// "01 03 07 D2" -> bytes; blanks are ignored.
inline std::vector<std::uint8_t> Hex(std::string_view text) {
    std::vector<std::uint8_t> bytes;
    std::string digits;
    for (char c : text) {
        if (c == ' ')
            continue;
        digits.push_back(c);
        if (digits.size() == 2) {
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits, nullptr, 16)));
            digits.clear();
        }
    }
    return bytes;
}
