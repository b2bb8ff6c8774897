#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Modbus RTU frames of the register transactions: big-endian fields, CRC low byte first.
// Register numbers given here are the numbers on the wire (bank bit already applied).
namespace RtuFrame {

using TBytes = std::vector<std::uint8_t>;

constexpr int kMaxReadCount = 125;  // a read reply must fit 255 data bytes
constexpr int kMaxWriteCount = 123; // a write-multiple request must fit 256 bytes
constexpr std::uint8_t kReadFunction = 0x03;
constexpr std::uint8_t kWriteFunction = 0x06;
constexpr std::uint8_t kWriteMultipleFunction = 0x10;
constexpr int kExceptionReplySize = 5;

TBytes BuildRead(std::uint8_t address, std::uint16_t first, std::uint16_t count);
TBytes BuildWrite(std::uint8_t address, std::uint16_t reg, std::uint16_t value);
TBytes BuildWriteMultiple(std::uint8_t address, std::uint16_t first, std::span<const std::uint16_t> values);

bool HasValidCrc(std::span<const std::uint8_t> frame);

// The values of a read reply for `count` registers, or nothing when the reply is not exactly
// 2 x count + 5 bytes with byte count 2 x count, function 0x03 and a valid CRC.
std::optional<std::vector<std::uint16_t>> ParseReadReply(std::span<const std::uint8_t> reply, int count);

// An 8-byte reply with a valid CRC, function 0x06 and the register bytes of `request`.
bool IsEchoOf(std::span<const std::uint8_t> reply, std::span<const std::uint8_t> request);

// A 5-byte exception reply (function with bit 7 set) with a valid CRC.
bool IsExceptionReply(std::span<const std::uint8_t> reply);

} // namespace RtuFrame
