#include "model/MembraneParameters.h"

#include "model/NumberRules.h"

#include <array>
#include <cstdio>

namespace MembraneParameters {
namespace {

constexpr int kMaxTime = 1200;    // units of 1.2 s: 1440 s
constexpr int kMaxSamples = 1440;
constexpr int kMaxDelta = 2000;   // tenths of a degree: 200 ºC
constexpr int kTenThousandthsPerUnit = 12000; // 1.2 s

bool IsTime(int row) {
    return row >= 1 && row <= 4;
}

} // namespace

std::optional<int> Encode(int row, std::string_view text) {
    if (IsTime(row)) {
        // In ten-thousandths of a second the division by 1.2 s is exact until the rounding.
        const auto value = NumberRules::ParseScaled(text, 4);
        if (!value)
            return std::nullopt;
        if (*value < 0)
            return 0;
        if (*value > kMaxTime * kTenThousandthsPerUnit)
            return kMaxTime;
        int units = *value / kTenThousandthsPerUnit;
        const int rest = *value % kTenThousandthsPerUnit;
        if (2 * rest > kTenThousandthsPerUnit || (2 * rest == kTenThousandthsPerUnit && units % 2 == 1))
            ++units;
        return units;
    }
    const bool delta = row == kRows;
    const auto value = NumberRules::ParseScaled(text, delta ? 1 : 0);
    if (!value)
        return std::nullopt;
    const int top = delta ? kMaxDelta : kMaxSamples;
    return *value < 0 ? 0 : *value > top ? top : *value;
}

std::string Decode(int row, int value) {
    std::array<char, 32> text{};
    if (IsTime(row))
        std::snprintf(text.data(), text.size(), "%.1f", value * 1.2);
    else if (row == kRows)
        std::snprintf(text.data(), text.size(), "%.1f", value / 10.0);
    else
        std::snprintf(text.data(), text.size(), "%.0f", static_cast<double>(value));
    return text.data();
}

} // namespace MembraneParameters
