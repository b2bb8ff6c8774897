#pragma once

#include <utility>
#include <vector>

// A run of registers read in one request.
struct TRegisterRun {
    int first;
    int count;
};

// What the connected device turned out to be, where the reads depend on it.
struct TDeviceFacts {
    bool membrane = false; // the thermal monitor's membrane-test variant
    int unit = 0;          // parallelism: the unit's place in its group, 0..15
};

// How the program talks to one family: which signatures it accepts or hands to another family,
// what it reads at the connection and at each poll, and how it tells that the device is gone.
struct TFamilyProfile {
    static constexpr int kUnits = 16;

    int family = 0;
    int signature = 0;
    // A variant accepted over a serial link only (the thermal monitor's membrane test); 0: none.
    int serialOnlySignature = 0;
    // Signatures of other families that switch the main window to them.
    std::vector<std::pair<int, int>> switches;
    // Over a serial link too, the device language is read before the signature, to tell a silent
    // port from a device that does not answer its signature.
    bool languageFirstOverSerial = false;
    // Over a serial link, a register read after the signature, to tell a device that answers from
    // one that only gives its identity; -1: none.
    int serialSettingProbe = -1;
    // The unit's place in its group (register 1951) is read after the signature and must be 0..15.
    bool unitIndex = false;
    // The family has a COM port; without it only USB and the network.
    bool comPort = true;
    bool clock = true;
    double liveWait = 0.1; // flush wait of a poll; 0: the session's default
    // Polls in a row without a reply after which the device counts as lost.
    int pollsToLose = 5;
    // Polls the device answers with a refusal count too (the irrigation controller's own rule).
    bool refusalsCount = false;
    // A lost link is reopened to the same device; false: it is said and left.
    bool recoversLostLink = true;

    std::vector<TRegisterRun> (*initialReads)(const TDeviceFacts& facts) = nullptr;
    std::vector<TRegisterRun> (*liveReads)(const TDeviceFacts& facts) = nullptr;
};

namespace FamilyProfiles {

// The profile of a family code (0..4).
const TFamilyProfile& Of(int family);

} // namespace FamilyProfiles
