#pragma once

#include "model/RegisterGroup.h"

#include <optional>
#include <vector>

class TRegisterImage;

// The main measurements of each family that a trend plots, taken from the registers the general
// screen already polls.
namespace TrendSeries {

enum class TKind {
    RtdTemperature,     // ºC, numbered 1..6
    WindingTemperature, // ºC, numbered 1..3
    WindingCurrent,     // A, numbered 1..3
    SecondaryVoltage,   // V
    PrimaryVoltage,     // kV
    Current,            // A
    Position,
    Pressure,           // bar
    WaterMeter,         // litres
};

struct TSeries {
    TKind kind;
    int number = 0; // of the RTD or winding; 0 where there is one
    int reg = 0;
    int offset = 0;         // subtracted from the register before the division
    double divisor = 1;
    int decimals = 0;       // as the screen shows it
    std::optional<TGroup> counter; // a 32-bit counter of the image instead of one register
};

// The series of a device of `family` as the image describes it (fitted windings and RTDs).
std::vector<TSeries> ForDevice(int family, const TRegisterImage& image);
double Value(const TSeries& series, const TRegisterImage& image);

} // namespace TrendSeries
