#include "model/DeviceIdentity.h"

#include "model/RegisterImage.h"
#include "model/SharedRegisters.h"

#include <array>
#include <cctype>
#include <utility>

namespace DeviceIdentity {

std::optional<int> FamilyOfSignature(int signature) {
    static constexpr std::array<std::pair<int, int>, 6> kSignatures{{
        {kThermalSignature, 0},
        {kMembraneSignature, 0},
        {kParallelismSignature, 1},
        {kRegulatorSignature, 2},
        {kIrrigationSignature, 3},
        {kPositionIndicatorSignature, 4},
    }};
    for (const auto& [sig, family] : kSignatures) {
        if (sig == signature)
            return family;
    }
    return std::nullopt;
}

std::string PackedVersionText(int packed) {
    return std::to_string((packed >> 12) & 0xF) + "." + std::to_string((packed >> 8) & 0xF) + "." +
           std::to_string(packed & 0xFF);
}

std::string ProgramVersionText() {
    return std::to_string(QEL880_VERSION_MAJOR) + "." + std::to_string(QEL880_VERSION_MINOR) + "." +
           std::to_string(QEL880_VERSION_PATCH);
}

int ProgramVersionPacked() {
    return (QEL880_VERSION_MAJOR & 15) * 4096 + (QEL880_VERSION_MINOR & 15) * 256 +
           (QEL880_VERSION_PATCH & 255);
}

bool NeedsNewerProgram(int minimumProgramVersion) {
    return ProgramVersionPacked() < minimumProgramVersion;
}

TSignatureCheck CheckSignature(int family, int signature) {
    const auto known = FamilyOfSignature(signature);
    if (known == family)
        return {true, std::nullopt};
    return {false, known};
}

bool ConfSignatureAccepted(int family, int signature) {
    return signature == 0 || FamilyOfSignature(signature) == family;
}

bool PasswordMatches(const std::string& typed, const TRegisterImage& image) {
    const auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    std::size_t begin = 0;
    std::size_t end = typed.size();
    while (begin < end && isBlank(static_cast<unsigned char>(typed[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(typed[end - 1])))
        --end;
    if (end - begin < static_cast<std::size_t>(SharedRegisters::kPasswordLength))
        return false;
    for (int i = 0; i < SharedRegisters::kPasswordLength; ++i) {
        const auto c = static_cast<unsigned char>(typed[begin + static_cast<std::size_t>(i)]);
        if (static_cast<char>(std::toupper(c)) != image.PasswordChar(i))
            return false;
    }
    return true;
}

} // namespace DeviceIdentity
