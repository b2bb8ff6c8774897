#include "model/NumberRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

TEST(NumberRules, ScaledDecimalText) {
    struct Case {
        const char* text;
        int decimals;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"2.5", 1, 25},
        {"2,5", 1, 25},
        {" 12 ", 1, 120},
        {".5", 1, 5},
        {"5.", 1, 50},
        {"-1.25", 2, -125},
        {"+3", 0, 3},
        {"0.575", 2, 58},
        {"0.565", 2, 56},
        {"0.5751", 2, 58},
        {"0.5749", 2, 57},
        {"2.5", 0, 2},
        {"3.5", 0, 4},
        {"-2.5", 0, -2},
        {"0.05", 1, 0},
        {"0.15", 1, 2},
        {"1.2.3", 1, {}},
        {"1,2.3", 1, {}},
        {"", 1, {}},
        {".", 1, {}},
        {"-", 0, {}},
        {"1e3", 0, {}},
        {"1 000", 0, {}},
        {"--1", 0, {}},
        {"0x10", 0, {}},
        {"214748364.7", 1, INT_MAX},
        {"214748364.8", 1, {}},
        {"99999999999", 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberRules::ParseScaled(c.text, c.decimals), c.value) << c.text << " /" << c.decimals;
}

TEST(NumberRules, IntegersRangesAndTextBack) {
    EXPECT_EQ(NumberRules::ParseInteger(" -42 "), -42);
    EXPECT_EQ(NumberRules::ParseInteger("2147483647"), INT_MAX);
    EXPECT_FALSE(NumberRules::ParseInteger("2147483648"));
    EXPECT_FALSE(NumberRules::ParseInteger("4.0"));
    EXPECT_FALSE(NumberRules::ParseInteger("+-4"));
    EXPECT_TRUE(NumberRules::InRange(5, 5, 9));
    EXPECT_FALSE(NumberRules::InRange(10, 5, 9));

    const std::pair<std::pair<long long, int>, const char*> formats[] = {
        {{125, 1}, "12.5"}, {{5, 2}, "0.05"}, {{-5, 1}, "-0.5"}, {{0, 0}, "0"}, {{65535, 3}, "65.535"},
    };
    for (const auto& [in, text] : formats)
        EXPECT_EQ(NumberRules::FormatScaled(in.first, in.second), text);
    // What is shown parses back to the same register value.
    for (int v : {0, 1, 99, 100, 1234, -7})
        EXPECT_EQ(NumberRules::ParseScaled(NumberRules::FormatScaled(v, 2), 2), v);
}

TEST(NumberRules, TextPacking) {
    EXPECT_EQ(NumberRules::PackText("abc", 3), (std::vector<int>{'a' | 'b' << 8, 'c', 0}));
    EXPECT_EQ(NumberRules::PackText("\xE9x", 1),
              (std::vector<int>{0xE9 | 'x' << 8})); // bytes, not signed chars
    EXPECT_EQ(NumberRules::PackText("abcdef", 2), (std::vector<int>{'a' | 'b' << 8, 'c' | 'd' << 8}));
}

TEST(NumberRules, FloatInTwoRegisters) {
    struct Case {
        int low, high;
        float value;
    };
    const Case cases[] = {
        {0x0000, 0x3F80, 1.0f},     // low word first
        {0x0000, 0xC020, -2.5f},    // sign in the high word
        {0x0001, 0x0000, 1.4e-45f}, // the smallest subnormal is a number, not nothing
        {0x0000, 0x7FC0, 0.0f},     // NaN counts as 0
        {0xFFFF, 0xFFFF, 0.0f},     // any NaN
        {0x0000, 0x7F80, INFINITY},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NumberRules::FloatFromWords(c.low, c.high), c.value) << std::hex << c.high << ' ' << c.low;
}

} // namespace
