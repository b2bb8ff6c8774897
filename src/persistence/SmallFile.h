#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reading and writing the program's own small text files (settings, configuration, calibration,
// device list, logs, reports). Only a regular file of a sane size is read: a folder, a device or a
// FIFO given as a file must never abort the program or block it. A write replaces the whole file
// or leaves it as it was.
namespace SmallFile {

constexpr std::size_t kMaxBytes = std::size_t{1024} * 1024;

enum class TReadError { None, Missing, NotAFile, TooLarge, Unreadable };

// The whole file, or nothing with the reason in `error`.
std::optional<std::string> Read(const std::string& path, TReadError& error, std::size_t maxBytes = kMaxBytes);

// Replaces the file with `bytes`; true only when every byte reached it. A full disk or a size limit
// leaves the old file untouched.
bool Write(const std::string& path, std::string_view bytes);

} // namespace SmallFile
