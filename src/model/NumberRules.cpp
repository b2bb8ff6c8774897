#include "model/NumberRules.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>

namespace NumberRules {
namespace {

constexpr long long kLimit = 2147483647LL;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<int> ParseScaled(std::string_view text, int decimals) {
    text = Trim(text);
    if (decimals < 0 || decimals > 9 || text.empty())
        return std::nullopt;
    bool negative = false;
    if (text.front() == '-' || text.front() == '+') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Digits, at most one separator, and at least one digit.
    const auto separator = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction =
        separator == std::string_view::npos ? std::string_view() : text.substr(separator + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (std::string_view part : {whole, fraction})
        for (char c : part)
            if (!IsDigit(c))
                return std::nullopt;
    long long value = 0;
    for (char c : whole) {
        value = value * 10 + (c - '0');
        if (value > kLimit)
            return std::nullopt;
    }
    for (int i = 0; i < decimals; ++i) {
        value = value * 10 + (static_cast<std::size_t>(i) < fraction.size() ? fraction[i] - '0' : 0);
        if (value > kLimit)
            return std::nullopt;
    }
    // What lies beyond the kept digits decides the rounding: above half up, below down, exactly
    // half to the even neighbour.
    const std::string_view rest =
        static_cast<std::size_t>(decimals) < fraction.size() ? fraction.substr(decimals) : std::string_view();
    if (!rest.empty()) {
        const bool half = rest.front() == '5';
        const bool moreThanHalf =
            rest.front() > '5' || (half && rest.substr(1).find_first_not_of('0') != std::string_view::npos);
        if (moreThanHalf || (half && value % 2 == 1))
            ++value;
    }
    if (value > kLimit)
        return std::nullopt;
    return static_cast<int>(negative ? -value : value);
}

std::optional<int> ParseInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kLimit + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > kLimit)
        return std::nullopt;
    return static_cast<int>(value);
}

std::string FormatScaled(long long value, int decimals) {
    const bool negative = value < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
    std::string digits = std::to_string(magnitude);
    if (decimals <= 0)
        return (negative ? "-" : "") + digits;
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, '.');
    return (negative ? "-" : "") + digits;
}

std::vector<int> PackText(std::string_view bytes, int registers) {
    std::vector<int> packed(static_cast<std::size_t>(registers > 0 ? registers : 0), 0);
    const std::size_t n = std::min(bytes.size(), 2 * packed.size());
    for (std::size_t i = 0; i < n; ++i)
        packed[i / 2] |= static_cast<std::uint8_t>(bytes[i]) << (8 * (i % 2));
    return packed;
}

float FloatFromWords(int low, int high) {
    const auto bits =
        static_cast<std::uint32_t>(high & 0xFFFF) << 16 | static_cast<std::uint32_t>(low & 0xFFFF);
    const float value = std::bit_cast<float>(bits);
    return std::isnan(value) ? 0.0f : value;
}

std::pair<int, int> WordsFromFloat(float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    return {static_cast<int>(bits & 0xFFFF), static_cast<int>(bits >> 16)};
}

} // namespace NumberRules
