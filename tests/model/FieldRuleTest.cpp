#include "model/FieldRule.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// The bounds apply to the typed value (in ten-thousandths), the rounding to tenths halves to even.
TEST(FieldRule, TypedValuesAgainstTheirBounds) {
    struct Case {
        const char* text;
        TFieldRule rule;
        std::optional<int> value;
    };
    const TFieldRule delay{1, 1000, 255000};           // 0.1 .. 25.5
    const TFieldRule resistance{1, 29600, 200400};     // what rounds to 3.0 .. 20.0
    const TFieldRule zero{1, -10, 10};                 // 0, to the thousandth
    const TFieldRule shifted{1, -250000, 250000, 250}; // -25.0 .. 25.0 stored + 25.0
    const Case cases[] = {
        {"25.5", delay, 255},
        {"25.54", delay, std::nullopt},
        {"25,50004", delay, 255},
        {"0.1", delay, 1},
        {"0.05", delay, std::nullopt},
        {"0.099", delay, std::nullopt},
        {"0.45", delay, 4},
        {"0.25", delay, 2},
        {"1e3", delay, std::nullopt},
        {"99999999", delay, std::nullopt},
        {"20.04", resistance, 200},
        {"20.05", resistance, std::nullopt},
        {"2.96", resistance, 30},
        {"-0.001", zero, 0},
        {"0.0011", zero, std::nullopt},
        {"-0.25", shifted, 248},
        {"-25", shifted, 0},
        {"7", TFieldRule{0, 1, 16}, 7},
        {"7.0", TFieldRule{0, 1, 16}, std::nullopt},
        {"17", TFieldRule{0, 1, 16}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.rule.Parse(c.text), c.value) << c.text;
    EXPECT_EQ(shifted.Format(248), "-0.2");
    EXPECT_EQ(delay.Format(15), "1.5");
}

} // namespace
