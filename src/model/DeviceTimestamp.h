#pragma once

#include <cstdint>
#include <string>

// Device time stamps: 48-bit millisecond counts since 1970-01-01 00:00:00 in three registers,
// least significant first, shown as that date with no time-zone conversion.
namespace DeviceTimestamp {

std::int64_t FromWords(std::int32_t low, std::int32_t middle, std::int32_t high);

// "dd/mm/yy hh:nn:ss:zzz".
std::string Format(std::int64_t ms);
// ISO 8601 without a zone, as the device counts: "yyyy-mm-ddThh:nn:ss.zzz".
std::string FormatIso(std::int64_t ms);

} // namespace DeviceTimestamp
