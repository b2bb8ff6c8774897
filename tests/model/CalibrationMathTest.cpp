#include "model/LineFit.h"
#include "model/NumberRules.h"
#include "model/Pt100.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

TEST(LineFit, LeastSquaresWithCorrelation) {
    using TPoints = std::vector<std::pair<double, double>>;
    const TLineFit previous{0.5, 3, 99};
    struct Case {
        TPoints points;
        double a, b, c;
    };
    const Case cases[] = {
        {{{1, 1}, {2, 3}}, 2, -1, 100},
        // Obtained 4.1 and 20.3 for a desired 4 and 20: x is what was measured.
        {{{4.1, 4}, {20.3, 20}}, 0.98765, -0.04938, 100},
        {{{1, 2}, {2, 4}, {3, 7}}, 2.5, -2 / 3.0, 98.68421},
        {{{5, 1}}, 1, 0, 0},            // one point: the default line
        {{}, 1, 0, 0},                  //
        {{{2, 1}, {2, 5}}, 0.5, 3, 99}, // equal measured values: the previous fit stays
    };
    for (const Case& c : cases) {
        const TLineFit fit = TLineFit::Of(c.points, previous);
        EXPECT_NEAR(fit.a, c.a, 1e-4) << c.points.size();
        EXPECT_NEAR(fit.b, c.b, 1e-4) << c.points.size();
        EXPECT_NEAR(fit.c, c.c, 1e-3) << c.points.size();
    }
    EXPECT_TRUE(TLineFit::Of({{5, 1}}, previous).IsDefault());
    // Through the origin, a = 2 and b = 0 is not the default line.
    EXPECT_FALSE(TLineFit::Of({{1, 2}, {2, 4}}, previous).IsDefault());
}

TEST(Pt100, ResistanceAndTemperature) {
    const std::pair<double, double> cases[] = {{0, 100.000}, {100, 138.5055}, {-50, 80.3063}, {200, 175.856}};
    for (const auto& [celsius, ohms] : cases)
        EXPECT_NEAR(Pt100::Resistance(celsius), ohms, 1e-3) << celsius;
    // The display polynomial, as the dialog shows it with two decimals.
    const std::pair<double, const char*> shown[] = {
        {100.000, "0.01"}, {138.5055, "100.06"}, {80.3063, "-49.99"}};
    for (const auto& [ohms, text] : shown) {
        char printed[16];
        std::snprintf(printed, sizeof printed, "%.2f", Pt100::Temperature(ohms));
        EXPECT_STREQ(printed, text) << ohms;
    }
}

TEST(NumberRules, FloatsBothWays) {
    EXPECT_EQ(NumberRules::WordsFromFloat(99.9f), std::make_pair(0xCCCD, 0x42C7));
    EXPECT_EQ(NumberRules::WordsFromFloat(1.0f), std::make_pair(0, 0x3F80));
    for (float v : {0.0f, -2.5f, 1.0e-20f, 3.4e38f}) {
        const auto [low, high] = NumberRules::WordsFromFloat(v);
        EXPECT_EQ(NumberRules::FloatFromWords(low, high), v);
    }
    const auto [low, high] = NumberRules::WordsFromFloat(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(NumberRules::FloatFromWords(low, high), 0.0f);
}

} // namespace
