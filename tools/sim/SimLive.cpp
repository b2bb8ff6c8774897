#include "SimLive.h"

#include <algorithm>
#include <cmath>

namespace SimLive {
namespace {

// Internal state kept beyond the device's register range.
constexpr int kLoad = 60000;            // thermal load, tenths of a percent
constexpr int kRegulatorOffset = 60001; // regulator voltage wander, tenths of a volt + 1000
constexpr int kCycleSeconds = 60002;    // irrigation manual cycle, seconds left (two registers)
constexpr int kRainFalls = 60004;       // irrigation: whether the rain gauge fills now and then

constexpr int kRaise = 1000;
constexpr int kLower = 1003;

int Temperature(const TSimRegisters& r, int reg) {
    return r.Get(reg) - 1500;
} // tenths of ºC

constexpr double kPtA = 3.9083e-3;
constexpr double kPtB = -5.775e-7;

double Pt100(double celsius) {
    return 100.0 * (1.0 + kPtA * celsius + kPtB * celsius * celsius);
}

double Pt100Celsius(double ohms) {
    return (-kPtA + std::sqrt(kPtA * kPtA - 4.0 * kPtB * (1.0 - ohms / 100.0))) / (2.0 * kPtB);
}

// The line the service readings follow, so that a regression can recover it: the true value x 1.01 -
// 0.3, in units of 1/scale.
int ServiceReading(double value, double scale) {
    return static_cast<int>(std::lround((value * 1.01 - 0.3) * scale));
}

int Walk(std::mt19937& random, int value, int step, int low, int high) {
    std::uniform_int_distribution<int> d(-step, step);
    return std::clamp(value + d(random), low, high);
}

void AdvanceThermal(TSimRegisters& r, std::mt19937& random, std::int64_t nowMs) {
    const int load = Walk(random, r.Get(kLoad), 5, 400, 1100);
    r.Set(kLoad, load);
    const int oil = Walk(random, Temperature(r, 510), 2, 350, 800);
    for (int k = 0; k < 3; ++k) {
        const double nominal = r.Get(205 + k) / 10.0; // A
        const double current = nominal * load / 1000.0;
        r.Set(504 + k, static_cast<int>(std::lround(current * 100)));
        r.Set(507 + k, load);
        r.Set(2650 + k, ServiceReading(current, 1000)); // thousandths of an ampere
        const double rise = r.Get(202 + k) * std::pow(load / 1000.0, 1.6) * 10.0;
        r.Set(501 + k, 1500 + oil + static_cast<int>(std::lround(rise)) + 3 * k);
    }
    for (int i = 0; i < 6; ++i) {
        const int t = i == 0 ? oil : oil + 15 * i - 40;
        r.Set(510 + 2 * i, 1500 + t);
        r.Set(511 + 2 * i, static_cast<int>(std::lround(Pt100(t / 10.0) * 10)));
        r.Set(2580 + i, ServiceReading(Pt100(t / 10.0), 100)); // hundredths of an ohm
    }
    // A measurement test: the RTDs (tenths of an ohm) and currents (hundredths of an ampere) typed
    // on the PC stand in for the inputs.
    if (r.Get(2150) != 0) {
        for (int i = 0; i < 6; ++i) {
            const int ohms = r.Get(2151 + i);
            r.Set(511 + 2 * i, ohms);
            const double celsius = std::clamp(Pt100Celsius(std::clamp(ohms, 185, 2809) / 10.0), -149.9, 500.0);
            r.Set(510 + 2 * i, 1500 + static_cast<int>(std::lround(celsius * 10)));
        }
        for (int k = 0; k < 3; ++k)
            r.Set(504 + k, r.Get(2157 + k));
    }
    // Relays follow their set points, with hysteresis, forcing and inverse logic.
    for (int n = 0; n < 10; ++n) {
        const int channel = r.Get(61 + n);
        const int source = channel == 0 ? 510 : channel <= 3 ? 500 + channel : 512 + 2 * (channel - 4);
        const double t = Temperature(r, std::min(source, 520)) / 10.0;
        bool on = r.Get(601 + n) != 0;
        if (t >= r.Get(1 + n))
            on = true;
        else if (t <= r.Get(1 + n) - r.Get(21 + n))
            on = false;
        if (r.Get(81 + n) != 0)
            on = true;
        r.Set(601 + n, (on != (r.Get(101 + n) != 0)) ? 1 : 0);
    }
    // Maxima with the moment they were reached.
    for (int i = 0; i < 9; ++i) {
        const int reg = i < 3 ? 501 + i : 510 + 2 * (i - 3);
        const int celsius = Temperature(r, reg) / 10;
        if (celsius > r.Get(701 + i)) {
            r.Set(701 + i, celsius);
            for (int w = 0; w < 3; ++w)
                r.Set(1710 + 3 * i + w,
                      static_cast<int>((static_cast<std::uint64_t>(nowMs) >> (16 * w)) & 0xFFFF));
        }
    }
}

void MoveTap(TSimRegisters& r, int positionReg, int lowest, int highest, int step) {
    const int next = std::clamp(r.Get(positionReg) + step, lowest, highest);
    r.Set(positionReg, next);
}

void AdvanceRegulator(TSimRegisters& r, std::mt19937& random) {
    const int wander = Walk(random, r.Get(kRegulatorOffset), 3, 1000 - 60, 1000 + 60);
    r.Set(kRegulatorOffset, wander);
    const int set = 0;
    const int nominal = r.Get(20 * set + 1); // tenths of a volt
    // Each tap step above neutral lifts the voltage by about 0.6 %.
    const int tap = r.Get(1015) - r.Get(704);
    const double volts = (nominal + (wander - 1000)) / 10.0 * (1.0 + 0.00625 * tap);
    const double amps = 2.5 + (wander - 1000) / 200.0;
    const double ratioPt = r.Get(403), ratioCt = r.Get(404);
    const double lineKv = volts * ratioPt / 1000.0;
    const double lineA = amps * ratioCt;
    const double lag = 23.0 * M_PI / 180.0;
    const double mva = std::sqrt(3.0) * lineKv * lineA / 1000.0;
    const int deviation = static_cast<int>(std::lround((volts * 10.0 - nominal) / nominal * 1000.0));
    const int values[] = {
        static_cast<int>(std::lround(volts * 10)),
        static_cast<int>(std::lround(amps * 100)),
        static_cast<int>(std::lround(lineKv * 10)),
        static_cast<int>(std::lround(lineA)),
        static_cast<int>(std::lround(lineKv * 10)),
        230,
        static_cast<int>(std::lround(std::cos(lag) * 1000)),
        static_cast<int>(std::lround(mva * 10)),
        static_cast<int>(std::lround(mva * std::cos(lag) * 10)),
        static_cast<int>(std::lround(mva * std::sin(lag) * 10)),
        static_cast<int>(std::lround(volts * 10.0 / nominal * 1000.0)),
        static_cast<int>(std::lround(lineA / std::max(1.0, r.Get(405) / 10.0 * ratioCt) * 1000.0)),
        1000 + deviation,
        set};
    for (int i = 0; i < 14; ++i)
        r.Set(1001 + i, std::max(0, values[i]));
    const int band = r.Get(2);              // maximum deviation, tenths of a percent
    r.Set(1100, deviation < -band ? 1 : 0); // raise
    r.Set(1101, deviation > band ? 1 : 0);  // lower
    r.Set(801, std::min<int>(r.Get(801), r.Get(1015)));
    r.Set(802, std::max<int>(r.Get(802), r.Get(1015)));
    // Its service inputs: the RTD at 25 ºC, the current (mA) and the voltage (tenths of a volt).
    r.Set(2580, ServiceReading(Pt100(25.0), 100));
    r.Set(2650, ServiceReading(amps, 1000));
    r.Set(2651, ServiceReading(volts, 10));
}

void AdvancePositionIndicator(TSimRegisters& r) {
    const int position = r.Get(1015);
    const int lowest = r.Get(705), highest = std::max<int>(r.Get(706), lowest + 1);
    r.Set(1016, position * r.Get(701) / 10);
    r.Set(1017, 4000 + 16000 * std::clamp(position - lowest, 0, highest - lowest) / (highest - lowest));
    r.Set(1106, position <= lowest ? 1 : 0);
    r.Set(1107, position >= highest ? 1 : 0);
}

// Irrigation status bits: no water, rain above limit, pressure too high, pressure too low, water
// above limit, emergency. Any of them keeps the pump and the valves off.
constexpr int kNoWater = 1 << 0;
constexpr int kBlocking = 0b011110;
constexpr int kEmergencyBit = 1 << 5;

void AdvanceIrrigation(TSimRegisters& r, std::mt19937& random) {
    const int status = r.Get(1001);
    std::uint32_t seconds = r.Get32(kCycleSeconds);
    const bool stopped = status != 0;
    const bool cycle = seconds > 0 && !stopped;
    if (seconds > 0)
        --seconds;
    r.Set32(kCycleSeconds, stopped ? 0 : seconds);
    const int manual = r.Get(212);
    const bool pump = !stopped && (cycle || (manual & 1));
    const int branches = stopped ? 0 : cycle ? r.Get(211) & 0x1F : (manual >> 1) & 0x1F;
    r.Set(1100, pump ? 1 : 0);
    for (int b = 0; b < 5; ++b)
        r.Set(1101 + b, (branches >> b) & 1);
    r.Set(1106, (status & kBlocking) ? 1 : 0);
    r.Set(1010, branches == 0 ? 1 : 0); // bit 0: no valve active
    // The pump builds pressure and moves water; the rain gauge fills now and then.
    const int pressure =
        pump ? Walk(random, std::max<int>(r.Get(1009), 25), 1, 25, 35) : r.Get(1009) * 8 / 10;
    r.Set(1009, pressure);
    if (pump) {
        r.Set32(1004, r.Get32(1004) + 2);
        r.Set32(1006, r.Get32(1006) + 2);
    }
    if (std::uniform_int_distribution<int>(0, 30)(random) == 0 && r.Get(kRainFalls))
        r.Set32(1002, r.Get32(1002) + 1);
    // Input 1 follows the pump; input 8 (water present) is on unless the device reports no water.
    r.Set(1008, (pump ? 0b11 : 0b01) | ((status & kNoWater) ? 0 : 1 << 7));
    r.Set(1011, Walk(random, r.Get(1011), 1, 1500 + 150, 1500 + 350));
}

// The membrane-failure routine steps through its six states, one a second; entering Dead Time it
// has a new result.
void AdvanceMembrane(TSimRegisters& r, std::mt19937& random) {
    constexpr int kDeadTime = 5;
    const int state = (r.Get(1209) + 1) % (kDeadTime + 1);
    r.Set(1209, state);
    if (state == kDeadTime)
        r.SetFloat(1210, std::uniform_real_distribution<float>(0.05f, 0.5f)(random));
}

void Live(TSimRegisters& r, TSimModel model, std::mt19937& random, std::int64_t nowLocalMs) {
    switch (model) {
    case TSimModel::Thermal:
    case TSimModel::ThermalMembrane:
        AdvanceThermal(r, random, nowLocalMs);
        break;
    case TSimModel::Parallelism: // positions move only by command
        break;
    case TSimModel::Regulator:
        AdvanceRegulator(r, random);
        break;
    case TSimModel::PositionIndicator:
        AdvancePositionIndicator(r);
        break;
    case TSimModel::Irrigation:
        AdvanceIrrigation(r, random);
        break;
    }
}

} // namespace

void Start(TSimRegisters& r, TSimModel model, std::int64_t nowLocalMs, bool rainFalls) {
    r.Set(kLoad, 700);
    r.Set(kRainFalls, rainFalls ? 1 : 0);
    r.Set(kRegulatorOffset, 1000);
    // The oil starts at 55 ºC unless a preset put it elsewhere: the other live values follow it.
    if ((model == TSimModel::Thermal || model == TSimModel::ThermalMembrane) && r.Get(510) == 0)
        r.Set(510, 1500 + 550);
    if (model == TSimModel::Irrigation)
        r.Set(1011, 1500 + 248);
    if (model == TSimModel::Regulator)
        r.Set(1015, r.Get(704));
    std::mt19937 quiet(0);
    Live(r, model, quiet, nowLocalMs);
}

void Advance(TSimRegisters& r, TSimModel model, std::mt19937& random, std::int64_t nowLocalMs) {
    Live(r, model, random, nowLocalMs);
    if (model == TSimModel::ThermalMembrane)
        AdvanceMembrane(r, random);
}

bool Command(TSimRegisters& r, TSimModel model, std::uint16_t code) {
    const int step = code == kRaise ? 1 : code == kLower ? -1 : 0;
    if (model == TSimModel::Parallelism && step != 0) {
        const int unit = r.Get(1951);
        MoveTap(r, 501 + unit, 1, std::max<int>(1, r.Get(41 + unit)), step);
        // The unit expects to be where its own command put it.
        r.Set(521 + unit, r.Get(501 + unit));
        return true;
    }
    if (model == TSimModel::Regulator && step != 0) {
        MoveTap(r, 1015, r.Get(705), r.Get(706), step);
        r.Set(804, r.Get(804) + 1);
        r.Set(801, std::min<int>(r.Get(801), r.Get(1015)));
        r.Set(802, std::max<int>(r.Get(802), r.Get(1015)));
        return true;
    }
    if (model != TSimModel::Irrigation)
        return false;
    switch (code) {
    case 1100: // reset the water meter
        r.Set32(1004, 0);
        return true;
    case 1101: // reset the rain gauge
        r.Set32(1002, 0);
        return true;
    case 1110: // manual cycle for the set duration
        r.Set32(kCycleSeconds, static_cast<std::uint32_t>(std::max(1, r.Get(210) * 60)));
        r.Set32(1006, 0);
        return true;
    case 1111:
        r.Set32(kCycleSeconds, 0);
        return true;
    case 1120: // unblock: the alarms go, a missing water supply stays until it returns
        r.Set(1001, r.Get(1001) & kNoWater);
        return true;
    case 1140: // emergency: everything off until unblocked
        r.Set(1001, r.Get(1001) | kEmergencyBit);
        r.Set32(kCycleSeconds, 0);
        r.Set(212, 0);
        return true;
    default:
        return false;
    }
}

} // namespace SimLive
