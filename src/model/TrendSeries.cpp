#include "model/TrendSeries.h"

#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/RegisterImage.h"
#include "model/SharedRegisters.h"
#include "model/ThermalFitted.h"

#include <cstdint>

namespace TrendSeries {
namespace {

constexpr int kTemperatureOffset = 1500; // tenths of a degree above -150 ºC
constexpr int kLastUnit = 15;

std::vector<TSeries> Thermal(const TRegisterImage& image) {
    std::vector<TSeries> series;
    // The membrane-test variant measures its one RTD only.
    const bool membrane = image.FetchRegister(SharedRegisters::kSignature) == DeviceIdentity::kMembraneSignature;
    const int rtds = membrane ? 1 : ThermalFitted::Rtds(image);
    for (int n = 1; n <= rtds; ++n)
        series.push_back({TKind::RtdTemperature, n, 508 + 2 * n, kTemperatureOffset, 10, 1, {}});
    const int windings = membrane ? 0 : ThermalFitted::Windings(image);
    for (int k = 1; k <= windings; ++k)
        series.push_back({TKind::WindingTemperature, k, 500 + k, kTemperatureOffset, 10, 1, {}});
    for (int k = 1; k <= windings; ++k)
        series.push_back({TKind::WindingCurrent, k, 503 + k, 0, 100, 2, {}});
    return series;
}

} // namespace

std::vector<TSeries> ForDevice(int family, const TRegisterImage& image) {
    switch (family) {
    case Family::kThermal:
        return Thermal(image);
    case Family::kRegulator:
        return {{TKind::SecondaryVoltage, 0, 1001, 0, 10, 1, {}},
                {TKind::PrimaryVoltage, 0, 1003, 0, 10, 1, {}},
                {TKind::Current, 0, 1002, 0, 100, 2, {}}};
    case Family::kParallelism: {
        // A unit at an address outside the group has no position of its own to plot.
        const int unit = image.FetchRegister(SharedRegisters::kBusAddress);
        if (unit < 0 || unit > kLastUnit)
            return {};
        return {{TKind::Position, 0, 501 + unit, 0, 1, 0, {}}};
    }
    case Family::kPositionIndicator:
        return {{TKind::Position, 0, 1015, 0, 1, 0, {}}};
    case Family::kIrrigation:
        return {{TKind::Pressure, 0, 1009, 0, 10, 1, {}}, {TKind::WaterMeter, 0, 0, 0, 1, 0, TGroup::WaterMeter}};
    default:
        return {};
    }
}

double Value(const TSeries& series, const TRegisterImage& image) {
    if (series.counter)
        return static_cast<std::uint32_t>(image.Cell(*series.counter)) / series.divisor;
    return (image.FetchRegister(series.reg) - series.offset) / series.divisor;
}

} // namespace TrendSeries
