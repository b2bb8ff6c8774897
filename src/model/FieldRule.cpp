#include "model/FieldRule.h"

#include "model/NumberRules.h"

namespace {

// The precision the bounds are checked to: 0.0998 A is the least rated current.
constexpr int kBoundDecimals = 4;

} // namespace

std::optional<int> TFieldRule::Parse(std::string_view text) const {
    if (decimals == 0) {
        const auto value = NumberRules::ParseInteger(text);
        return value && NumberRules::InRange(*value, low, high) ? value : std::nullopt;
    }
    const auto fine = NumberRules::ParseScaled(text, kBoundDecimals);
    const auto scaled = NumberRules::ParseScaled(text, decimals);
    if (!fine || !scaled || !NumberRules::InRange(*fine, low, high))
        return std::nullopt;
    return *scaled + offset;
}

std::string TFieldRule::Format(int value) const {
    return NumberRules::FormatScaled(static_cast<long long>(value) - offset, decimals);
}
