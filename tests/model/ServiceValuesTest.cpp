#include "model/Family.h"
#include "model/MeasurementSimulation.h"
#include "model/MembraneParameters.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using MeasurementSimulation::TScale;

TEST(MeasurementSimulation, EachFamilyScalesAndHoldsItsRows) {
    struct Case {
        int family;
        int row;
        const char* typed;
        std::optional<int> sent;
    };
    const Case cases[] = {
        {Family::kThermal, 1, "100", 1000},
        {Family::kThermal, 1, "-5", 0},
        {Family::kThermal, 1, "7000", 65535},
        {Family::kThermal, 1, "6553.5", 65535},
        {Family::kThermal, 6, "138,55", 1386}, // halves to the even neighbour, on the text
        {Family::kThermal, 7, "1.5", 150},
        {Family::kThermal, 9, "655.36", 65535},
        {Family::kParallelism, 2, "120", 1200},
        {Family::kThermal, 1, "x", std::nullopt},
        {Family::kThermal, 1, "", std::nullopt},
        {Family::kPositionIndicator, 5, "$00FF", 255},
        {Family::kPositionIndicator, 5, "$1FFFF", 65535},
        {Family::kPositionIndicator, 5, " $00ff ", 255},
        {Family::kPositionIndicator, 5, "70000", 65535},
        {Family::kPositionIndicator, 5, "1.5", std::nullopt}, // a whole number is required
        {Family::kPositionIndicator, 5, "$", std::nullopt},
        {Family::kPositionIndicator, 5, "$12G", std::nullopt},
        {Family::kPositionIndicator, 2, "0.02", 20},
        {Family::kPositionIndicator, 2, "65.536", 65535},
        {Family::kRegulator, 1, "300", 255},
        {Family::kRegulator, 1, "$80", 128},
        {Family::kRegulator, 4, "-3", 0},
        {Family::kIrrigation, 2, "$0A0b", 0x0A0B},
        {Family::kIrrigation, 5, "anything", 0}, // a row the family does not use is sent as 0
    };
    for (const Case& c : cases) {
        const auto sent =
            MeasurementSimulation::Encode(MeasurementSimulation::RowScale(c.family, c.row), c.typed);
        EXPECT_EQ(sent, c.sent) << "family " << c.family << " row " << c.row << " \"" << c.typed << '"';
    }
}

TEST(MeasurementSimulation, RegisterValuesShowInTheRowsFormat) {
    struct Case {
        int family;
        int row;
        int value;
        const char* shown;
    };
    const Case cases[] = {
        {Family::kThermal, 1, 1000, "100.0"},     {Family::kThermal, 8, 5, "0.05"},
        {Family::kPositionIndicator, 2, 20, "0.020"}, {Family::kPositionIndicator, 5, 255, "$00FF"},
        {Family::kIrrigation, 2, 0xBEEF, "$BEEF"},   {Family::kRegulator, 4, 65535, "65535"},
        {Family::kIrrigation, 9, 7, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MeasurementSimulation::Decode(MeasurementSimulation::RowScale(c.family, c.row), c.value),
                  c.shown)
            << "family " << c.family << " row " << c.row;
    EXPECT_EQ(MeasurementSimulation::RowScale(Family::kThermal, 0), TScale::Unused);
    EXPECT_EQ(MeasurementSimulation::RowScale(Family::kThermal, 10), TScale::Unused);
    EXPECT_EQ(MeasurementSimulation::RowScale(7, 1), TScale::Unused);
}

TEST(MembraneParameters, SecondsSamplesAndDegreesToTheRoutinesUnits) {
    struct Case {
        int row;
        const char* typed;
        std::optional<int> sent;
    };
    const Case cases[] = {
        {1, "60", 50},     {4, "2000", 1200}, {2, "1440", 1200}, {3, "-1", 0},
        {1, "61,2", 51},   {1, "0.6", 0},     {1, "1.8", 2}, // halves of 1.2 s to the even neighbour
        {5, "1500", 1440}, {6, "10.5", 10},   {7, "0.5", 5}, {7, "300", 2000},
        {7, "-0.1", 0},    {1, "1 s", std::nullopt}, {7, "", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MembraneParameters::Encode(c.row, c.typed), c.sent) << "row " << c.row << " \"" << c.typed << '"';
    EXPECT_EQ(MembraneParameters::Decode(1, 50), "60.0");
    EXPECT_EQ(MembraneParameters::Decode(5, 10), "10");
    EXPECT_EQ(MembraneParameters::Decode(7, 5), "0.5");
}

} // namespace
