#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Strict dotted IPv4: four decimal octets 0..255 and nothing else. Host order, first octet highest.
namespace Ipv4Address {

std::optional<std::uint32_t> Parse(std::string_view text);
std::string Format(std::uint32_t address);

} // namespace Ipv4Address
