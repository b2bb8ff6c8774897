#include "model/FamilyProfile.h"

#include "model/DeviceIdentity.h"
#include "model/Family.h"

#include <array>

namespace {

using TRuns = std::vector<TRegisterRun>;

TRuns ThermalInitial(const TDeviceFacts& facts) {
    if (facts.membrane)
        return {};
    // 101..110: the inverse logic of all ten relays, 9 and 10 included.
    return {{201, 1}, {211, 1}, {401, 6}, {501, 21}, {601, 10}, {1003, 1}, {1020, 1}, {1021, 1}, {101, 10}};
}

TRuns ThermalLive(const TDeviceFacts& facts) {
    if (facts.membrane)
        return {{510, 2}};
    return {{1500, 1}, {401, 6}, {501, 21}, {601, 10}};
}

TRuns ParallelismInitial(const TDeviceFacts& facts) {
    TRuns runs{{401, 6}};
    for (int base : {501, 521, 541, 561, 121, 141, 161, 301})
        runs.push_back({base + facts.unit, 1});
    // The relays and error words too: the screen and the position interlocks must not work from
    // the last device's values until the first poll.
    runs.push_back({601, 10});
    runs.push_back({1960, 5});
    return runs;
}

TRuns ParallelismLive(const TDeviceFacts& facts) {
    // The unit's place last: a move made elsewhere is followed from the next poll on.
    return {
        {1500, 1}, {401, 6}, {601, 10}, {501 + facts.unit, 1}, {521 + facts.unit, 1}, {541 + facts.unit, 1},
        {1960, 5}, {1951, 1}};
}

TRuns RegulatorInitial(const TDeviceFacts&) {
    return {{703, 1}, {1001, 15}, {704, 1}, {1700, 2}, {1702, 1}, {2510, 6}, {2670, 1}, {401, 6}};
}

TRuns RegulatorLive(const TDeviceFacts&) {
    return {{1500, 1}, {703, 1}, {601, 6}, {1001, 15}, {1100, 10}, {801, 2}, {804, 1}};
}

TRuns IrrigationInitial(const TDeviceFacts&) {
    return {{601, 6}};
}

TRuns IrrigationLive(const TDeviceFacts&) {
    return {{1500, 1}, {601, 6}, {1100, 10}, {213, 2}, {1001, 11}};
}

TRuns PositionIndicatorInitial(const TDeviceFacts&) {
    // What the screen shows right after the login, so that it never shows the last device's values
    // (or an indication by a measurement kind never read) until the first poll.
    return {{703, 1}, {704, 1}, {1700, 2}, {1702, 1},  {2510, 6}, {401, 6},
            {707, 1}, {601, 6}, {1015, 3}, {1100, 10}, {1965, 1}};
}

TRuns PositionIndicatorLive(const TDeviceFacts&) {
    return {{1500, 1}, {703, 1}, {601, 6}, {1100, 10}, {1015, 3}, {1965, 1}};
}

std::array<TFamilyProfile, Family::kCount> MakeProfiles() {
    using namespace DeviceIdentity;
    TFamilyProfile thermal;
    thermal.family = Family::kThermal;
    thermal.signature = kThermalSignature;
    thermal.serialOnlySignature = kMembraneSignature;
    thermal.switches = {{kParallelismSignature, Family::kParallelism},
                        {kRegulatorSignature, Family::kRegulator}};
    thermal.initialReads = ThermalInitial;
    thermal.liveReads = ThermalLive;

    TFamilyProfile parallelism;
    parallelism.family = Family::kParallelism;
    parallelism.signature = kParallelismSignature;
    parallelism.switches = {{kThermalSignature, Family::kThermal}, {kRegulatorSignature, Family::kRegulator}};
    parallelism.languageFirstOverSerial = true;
    parallelism.unitIndex = true;
    parallelism.clock = false;
    parallelism.liveWait = 0;
    parallelism.initialReads = ParallelismInitial;
    parallelism.liveReads = ParallelismLive;

    TFamilyProfile regulator;
    regulator.family = Family::kRegulator;
    regulator.signature = kRegulatorSignature;
    regulator.switches = {{kThermalSignature, Family::kThermal},
                          {kParallelismSignature, Family::kParallelism}};
    regulator.initialReads = RegulatorInitial;
    regulator.liveReads = RegulatorLive;

    TFamilyProfile irrigation;
    irrigation.family = Family::kIrrigation;
    irrigation.signature = kIrrigationSignature;
    irrigation.switches = {{kThermalSignature, Family::kThermal},
                           {kRegulatorSignature, Family::kRegulator},
                           {kParallelismSignature, Family::kParallelism}};
    irrigation.languageFirstOverSerial = true;
    irrigation.serialSettingProbe = 1;
    irrigation.comPort = false;
    irrigation.liveWait = 3;
    // The controller's own rule: at the fourth failed poll the link is closed with one box.
    irrigation.pollsToLose = 4;
    irrigation.refusalsCount = true;
    irrigation.recoversLostLink = false;
    irrigation.initialReads = IrrigationInitial;
    irrigation.liveReads = IrrigationLive;

    TFamilyProfile indicator;
    indicator.family = Family::kPositionIndicator;
    indicator.signature = kPositionIndicatorSignature;
    // The regulator and irrigation signatures are refused as invalid, without switching.
    indicator.switches = {{kThermalSignature, Family::kThermal},
                          {kParallelismSignature, Family::kParallelism}};
    indicator.initialReads = PositionIndicatorInitial;
    indicator.liveReads = PositionIndicatorLive;
    return {thermal, parallelism, regulator, irrigation, indicator};
}

} // namespace

const TFamilyProfile& FamilyProfiles::Of(int family) {
    static const std::array<TFamilyProfile, Family::kCount> profiles = MakeProfiles();
    return profiles.at(static_cast<std::size_t>(Family::IsFamily(family) ? family : Family::kThermal));
}
