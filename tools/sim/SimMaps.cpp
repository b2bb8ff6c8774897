#include "SimMaps.h"

namespace {

using K = TSimRegisters::TKind;

constexpr int kLastRegister = 4031;

void Common(TSimRegisters& r, const TSimOptions& o) {
    // Serial ports 1..3: protocol, DNP3 and Modbus settings.
    const int portDefaults[] = {0, 0, 0, 4660, 0, 5, 20, 50, 0};
    for (int block = 0; block < 9; ++block)
        r.Fill(1300 + 10 * block, 3, portDefaults[block]);
    r.Fill(1400, 3, 0);
    r.Fill(1410, 3, 0);
    r.Fill(1420, 3, 1);
    r.Fill(1430, 3, 0);
    r.Define(1500, {0});
    for (int i = 0; i < 4; ++i)
        r.Define(1600 + i, {o.password[static_cast<std::size_t>(i)]});
    r.Define(1700, {0x0032, 0xC0A8, 43101, 502, 503}); // 192.168.0.50
    r.Define(2000, {o.firmware, o.minProgram, SimModelSignature(o.model)}, K::ReadOnly);
    // The service screen writes the serial number.
    r.Define(2501, {static_cast<int>(o.serialNumber & 0xFFFF), static_cast<int>(o.serialNumber >> 16)});

    // Service block: test mode, forced current, calibration.
    r.Define(2100, {0, 0});
    r.Define(2105, {0});
    r.Define(2106, {512}, K::ReadOnly);
    for (int i = 0; i < 30; ++i)
        r.Define(2110 + i, {100 + i}, K::ReadOnly);
    r.Fill(2150, 10, 0);
    // Last errors; one with its high word set, which reads as a negative count.
    for (int i = 0; i < 40; i += 2)
        r.Define(2170 + i, {i % 6 == 0 ? 0 : 1000 + i, i == 2 ? 0x8000 : 0}, K::ReadOnly);
    // Current output calibration of both boards: gains 1.0 and offsets 0.0, four outputs each.
    for (int first : {2510, 2520, 2620, 2630}) {
        r.Fill(first, 8, 0);
        for (int i = 0; i < 4; ++i)
            r.SetFloat(first + 2 * i, first == 2510 || first == 2620 ? 1.0f : 0.0f);
    }
    r.Define(2530, {10000}); // 100.00 ohm reference
    for (int i = 0; i < 6; ++i) {
        r.Fill(2540 + 2 * i, 2, 0);
        r.SetFloat(2540 + 2 * i, 1.0f);
        r.Fill(2560 + 2 * i, 2, 0);
    }
    r.Fill(2580, 6, 0, K::ReadOnly);
    for (int i = 0; i < 3; ++i) {
        r.Fill(2600 + 2 * i, 2, 0);
        r.SetFloat(2600 + 2 * i, 1.0f);
        r.Fill(2610 + 2 * i, 2, 0);
    }
    r.Fill(2650, 3, 0, K::ReadOnly);
    r.Define(2660, {1, 1, 1, 1}, K::ReadOnly);
}

void Wifi(TSimRegisters& r) {
    r.DefineText(1720, 16, "Ssid");
    r.DefineText(1740, 16, "pass");
    r.Define(1760, {43101, 502, 503});
    r.Define(1770, {0x0117, 0xC0A8}, K::ReadOnly); // 192.168.1.23
    r.Define(1774, {0x1A00, 0x3C2B, 0x5E4D, 0}, K::ReadOnly);
    r.Define(1780, {0xFFC9}, K::ReadOnly); // -55 dBm
}

void Thermal(TSimRegisters& r, bool membrane) {
    for (int n = 0; n < 10; ++n) {
        r.Define(1 + n, {60 + 5 * n}); // set points, ºC
        r.Define(21 + n, {2});
        r.Define(41 + n, {1});
        r.Define(61 + n, {n % 4});
        r.Define(81 + n, {0});
        r.Define(101 + n, {0});
        r.Define(121 + n, {90});
        r.Define(141 + n, {1});
        r.Define(161 + n, {n < 4 ? 1 : 0});
    }
    r.Define(201, {0, 20, 20, 20, 50, 50, 50, 0, 30, 8, 0, 0, 0, 0, 200});
    r.Define(301, {4, 150});
    r.Define(310, {0, 1, 2, 3});
    r.Define(1002, {6});
    r.Define(1003, {6}, K::ReadOnly);
    r.Define(1004, {1, 0, 0, 0, 0, 0});
    r.Define(1020, {3, 4}, K::ReadOnly);
    if (membrane) {
        r.Define(1201, {0, 50, 500, 200, 100, 10, 20, 5});
        r.Define(1209, {0, 0, 0}, K::ReadOnly);
    }
    r.Fill(501, 21, 0, K::ReadOnly);
    r.Fill(601, 10, 0, K::ReadOnly);
    r.Fill(701, 9, 0, K::Resettable);
    r.Fill(1710, 27, 0, K::Resettable);
    r.Define(801, {0, 0});
    r.Define(1800, {0}, K::ReadOnly);
    r.Fill(1810, 130, 0, K::ReadOnly);
}

void Parallelism(TSimRegisters& r) {
    for (int a = 0; a < 16; ++a) {
        r.Define(1 + a, {a});
        r.Define(21 + a, {2});
        r.Define(41 + a, {17});
        r.Define(61 + a, {30});
        r.Define(81 + a, {10});
        r.Define(101 + a, {10});
        r.Define(121 + a, {0});
        r.Define(141 + a, {0});
        r.Define(161 + a, {0});
        r.Define(301 + a, {4});
        r.Define(501 + a, {9}, K::ReadOnly);
        r.Define(521 + a, {9}, K::ReadOnly);
        r.Define(541 + a, {a < 2 ? a : 3}, K::ReadOnly);
        r.Define(561 + a, {0}, K::ReadOnly);
    }
    r.Define(201, {0});
    r.Fill(601, 10, 0, K::ReadOnly);
    r.Define(1951, {1});
    r.Fill(1960, 5, 0, K::ReadOnly);
}

void Regulator(TSimRegisters& r) {
    for (int s = 0; s < 8; ++s)
        r.Define(20 * s + 1, {1150, 50, 0, 0, 20, 20, 10, 0, 0, 23, 59});
    r.Define(201, {0, 250, 250, 0, 20});
    r.Define(301, {4, 150, 100});
    r.Define(310, {0, 1, 2, 0});
    r.Define(401, {0, 0, 100, 100, 50});
    r.Define(501, {50, 50, 90}); // overcurrent 90 %: the screen takes 10..99
    r.Define(701, {100, 33, 0, 17, 1, 33, 0, 1});
    // Extremes and count accept writes, so that the program can reset them.
    r.Define(801, {5, 25}, K::Resettable);
    r.Define(804, {1234}, K::Resettable);
    r.Fill(1001, 15, 0, K::ReadOnly);
    r.Fill(1100, 10, 0, K::ReadOnly);
    r.Define(2670, {0}, K::ReadOnly);
    r.Define(2680, {10000, 0, 10000, 0, 10000, 0});
}

void PositionIndicator(TSimRegisters& r) {
    r.Define(301, {4});
    r.Define(303, {100});
    r.Define(701, {100, 33, 0, 17, 1, 33, 0});
    r.Define(1015, {17, 170, 0}, K::ReadOnly);
    r.Fill(1100, 10, 0, K::ReadOnly);
    r.Define(1964, {0, 0}, K::ReadOnly);
}

void Irrigation(TSimRegisters& r) {
    r.Define(1, {360, 1080, 0, 0, 0});
    r.Define(11, {30, 20, 0, 0, 0});
    r.Define(21, {0x1F, 0x03, 0, 0, 0});
    r.Define(31, {1000, 0});
    r.Define(40, {0, 5, 5, 5, 5, 5});
    r.Define(101, {1, 100, 60, 10, 5, 5});
    r.Define(201, {0, 1, 10, 1, 2, 200, 24, 1, 1, 10, 31, 0, 0, 0, 1});
    r.Define(220, {0, 100, 100, 100, 100, 100});
    r.Fill(1001, 11, 0, K::ReadOnly);
    r.Fill(1100, 10, 0, K::ReadOnly);
    r.Define(2910, {0, 0, 0, 0}, K::ReadOnly);
    r.Define(4000, {0, 0});
    r.Fill(4002, 30, 0, K::ReadOnly);
}

} // namespace

void DefineSimRegisters(TSimRegisters& regs, const TSimOptions& options) {
    Common(regs, options);
    regs.Fill(SimClockRegister(options.model), 6, 0);
    switch (options.model) {
    case TSimModel::Thermal:
    case TSimModel::ThermalMembrane:
        Thermal(regs, options.model == TSimModel::ThermalMembrane);
        break;
    case TSimModel::Parallelism:
        Parallelism(regs);
        break;
    case TSimModel::Regulator:
        Regulator(regs);
        break;
    case TSimModel::Irrigation:
        Wifi(regs);
        Irrigation(regs);
        break;
    case TSimModel::PositionIndicator:
        PositionIndicator(regs);
        break;
    }
    for (const auto& [reg, value] : options.presets) {
        if (regs.Kind(reg) != K::None)
            regs.Set(reg, value);
    }
}

std::optional<int> PresetOutsideModel(const TSimOptions& options) {
    TSimRegisters regs;
    DefineSimRegisters(regs, options);
    for (const auto& preset : options.presets) {
        if (regs.Kind(preset.first) == K::None)
            return preset.first;
    }
    return std::nullopt;
}

bool InSimDeviceRange(TSimModel model, int reg) {
    if (reg < 0 || reg > kLastRegister)
        return false;
    // The regulator has eight regulation sets; the places of sets 8 and 9 do not exist.
    return !(model == TSimModel::Regulator && reg >= 161 && reg <= 199);
}

int SimClockRegister(TSimModel model) {
    const bool early =
        model == TSimModel::Thermal || model == TSimModel::ThermalMembrane || model == TSimModel::Parallelism;
    return early ? 401 : 601;
}
