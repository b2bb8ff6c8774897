#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Reading the program's own small text files (settings, configuration, calibration, device list).
// Only a regular file of a sane size is read: a folder, a device or a FIFO given as a file must never
// abort the program or block it.
namespace SmallFile {

constexpr std::size_t kMaxBytes = std::size_t{1024} * 1024;

enum class TReadError { None, Missing, NotAFile, TooLarge, Unreadable };

// The whole file, or nothing with the reason in `error`.
std::optional<std::string> Read(const std::string& path, TReadError& error, std::size_t maxBytes = kMaxBytes);

} // namespace SmallFile
