#pragma once

#include <optional>
#include <string>

class TRegisterImage;

namespace DeviceIdentity {

constexpr int kSignatureRegister = 2002;
constexpr int kFirmwareRegister = 2000;
constexpr int kMinProgramRegister = 2001;
constexpr int kSerialLowRegister = 2501;
constexpr int kPasswordRegister = 1600;
constexpr int kPasswordLength = 4;

constexpr int kMembraneSignature = 15012; // thermal monitor with the membrane-failure test

// The family code of a known signature.
std::optional<int> FamilyOfSignature(int signature);

// Major (bits 15..12), minor (11..8) and release (7..0) joined by ".".
std::string PackedVersionText(int packed);

// The typed text, trimmed and upper-cased, must start with the device's four password characters.
bool PasswordMatches(const std::string& typed, const TRegisterImage& image);

} // namespace DeviceIdentity
