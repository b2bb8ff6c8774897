#pragma once

#include <optional>
#include <string>

// The device password as a configuration file keeps it: character k plus a fixed offset for its
// position, modulo 256, in byte k of one integer (character 1 in the lowest byte). The offsets
// are fixed for good: files written by any version of the program depend on them.
namespace PasswordScramble {

int Pack(const std::string& password);
// The four characters of a packed value.
std::string Unpack(int packed);
// The characters when all four are letters A..Z; nothing otherwise.
std::optional<std::string> UnpackLetters(int packed);

} // namespace PasswordScramble
