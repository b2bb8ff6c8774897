#include "model/MeasurementSimulation.h"

#include "model/Family.h"
#include "model/NumberRules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

namespace MeasurementSimulation {
namespace {

constexpr int kTop = 65535;

std::optional<int> Decimal(std::string_view text, int decimals) {
    const auto value = NumberRules::ParseScaled(text, decimals);
    if (!value)
        return std::nullopt;
    return std::clamp(*value, 0, kTop);
}

std::optional<int> Whole(std::string_view text, int top) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos || text[first] != '$') {
        const auto value = NumberRules::ParseInteger(text);
        if (!value)
            return std::nullopt;
        return std::clamp(*value, 0, top);
    }
    text = text.substr(first + 1, text.find_last_not_of(" \t") - first);
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(c) - 'a' + 10;
        value = std::min<long long>(value * 16 + digit, kTop + 1LL);
    }
    return static_cast<int>(std::min<long long>(value, top));
}

using TRowTable = std::array<TScale, kRows>;
constexpr TScale U = TScale::Unused;

const TRowTable& Rows(int family) {
    using S = TScale;
    static constexpr TRowTable kThermal{S::Tenths,     S::Tenths,     S::Tenths,
                                        S::Tenths,     S::Tenths,     S::Tenths,
                                        S::Hundredths, S::Hundredths, S::Hundredths};
    static constexpr TRowTable kRegulator{S::Byte, S::Tenths, S::Hundredths, S::Integer, U, U, U, U, U};
    static constexpr TRowTable kIrrigation{S::Tenths, S::IntegerHex, S::Tenths, S::Integer, U, U, U, U, U};
    static constexpr TRowTable kIndicator{S::Tenths, S::Thousandths, S::Tenths, S::Tenths, S::IntegerHex,
                                          U,         U,              U,         U};
    static constexpr TRowTable kNone{U, U, U, U, U, U, U, U, U};
    switch (family) {
    case Family::kThermal:
    case Family::kParallelism:
        return kThermal;
    case Family::kRegulator:
        return kRegulator;
    case Family::kIrrigation:
        return kIrrigation;
    case Family::kPositionIndicator:
        return kIndicator;
    default:
        return kNone;
    }
}

} // namespace

TScale RowScale(int family, int row) {
    if (row < 1 || row > kRows)
        return TScale::Unused;
    return Rows(family)[static_cast<std::size_t>(row - 1)];
}

std::optional<int> Encode(TScale scale, std::string_view text) {
    switch (scale) {
    case TScale::Unused:
        return 0;
    case TScale::Tenths:
        return Decimal(text, 1);
    case TScale::Hundredths:
        return Decimal(text, 2);
    case TScale::Thousandths:
        return Decimal(text, 3);
    case TScale::Integer:
    case TScale::IntegerHex:
        return Whole(text, kTop);
    case TScale::Byte:
        return Whole(text, 255);
    }
    return std::nullopt;
}

std::string Decode(TScale scale, int value) {
    switch (scale) {
    case TScale::Tenths:
        return NumberRules::FormatScaled(value, 1);
    case TScale::Hundredths:
        return NumberRules::FormatScaled(value, 2);
    case TScale::Thousandths:
        return NumberRules::FormatScaled(value, 3);
    case TScale::IntegerHex: {
        std::array<char, 8> text{};
        std::snprintf(text.data(), text.size(), "$%04X", static_cast<unsigned>(value) & 0xFFFFU);
        return text.data();
    }
    case TScale::Integer:
    case TScale::Byte:
        return std::to_string(value);
    case TScale::Unused:
        break;
    }
    return {};
}

} // namespace MeasurementSimulation
