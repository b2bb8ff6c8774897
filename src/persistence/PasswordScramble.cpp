#include "persistence/PasswordScramble.h"

#include <array>
#include <cstdint>

namespace PasswordScramble {
namespace {

constexpr std::array<std::uint8_t, 4> kOffsets{0x3B, 0x71, 0x0D, 0xA6};

} // namespace

int Pack(const std::string& password) {
    std::uint32_t packed = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto c = k < password.size() ? static_cast<std::uint8_t>(password[k]) : 0;
        packed |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(c + kOffsets[k])) << (8 * k);
    }
    return static_cast<int>(packed);
}

std::string Unpack(int packed) {
    std::string password;
    for (std::size_t k = 0; k < 4; ++k) {
        const auto byte = static_cast<std::uint8_t>(static_cast<std::uint32_t>(packed) >> (8 * k));
        password.push_back(static_cast<char>(static_cast<std::uint8_t>(byte - kOffsets[k])));
    }
    return password;
}

std::optional<std::string> UnpackLetters(int packed) {
    const std::string password = Unpack(packed);
    for (char c : password) {
        if (c < 'A' || c > 'Z')
            return std::nullopt;
    }
    return password;
}

} // namespace PasswordScramble
