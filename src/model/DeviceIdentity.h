#pragma once

#include <optional>
#include <string>

class TRegisterImage;

namespace DeviceIdentity {

constexpr int kThermalSignature = 23847;
constexpr int kMembraneSignature = 15012; // thermal monitor with the membrane-failure test
constexpr int kParallelismSignature = 10146;
constexpr int kRegulatorSignature = 58202;
constexpr int kIrrigationSignature = 15226;
constexpr int kPositionIndicatorSignature = 18447;

// The family code of a known signature.
std::optional<int> FamilyOfSignature(int signature);

// Major (bits 15..12), minor (11..8) and release (7..0) joined by ".".
std::string PackedVersionText(int packed);

// The program's own version, from the build: "1.2.6" and its packed form 0x1206.
std::string ProgramVersionText();
int ProgramVersionPacked();
// The device's minimum program version (register 2001) is newer than this program.
bool NeedsNewerProgram(int minimumProgramVersion);

// The signature read at connection against the selected family.
struct TSignatureCheck {
    bool accepted = false;
    std::optional<int> otherFamily; // set when the signature is another known family's
};
TSignatureCheck CheckSignature(int family, int signature);

// A configuration file's DeviceSignature: 0 (none) or the family's own.
bool ConfSignatureAccepted(int family, int signature);

// The typed text, trimmed and upper-cased, must start with the device's four password characters.
bool PasswordMatches(const std::string& typed, const TRegisterImage& image);

} // namespace DeviceIdentity
