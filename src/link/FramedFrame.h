#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Frames of the framed TCP protocol: magic, length, command, sequence, item count, items,
// every field little-endian. The length counts the bytes after itself.
namespace FramedFrame {

using TBytes = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 4> kMagic{0x5D, 0x73, 0x91, 0xAD};
constexpr std::size_t kBufferSize = 2000; // transmit buffer and receive body buffer
constexpr std::size_t kHeaderSize = 6;    // command, sequence, item count
constexpr int kMaxReadItems = 498;        // the values reply (6 + 4 n bytes) must fit the body buffer
constexpr int kMaxWriteItems = 497;       // the request (12 + 4 n bytes) must fit the transmit buffer

constexpr std::uint16_t kReadListCommand = 1;
constexpr std::uint16_t kValuesCommand = 2;
constexpr std::uint16_t kWriteListCommand = 10;

struct TPair {
    std::uint16_t reg;
    std::uint16_t value;
    bool operator==(const TPair&) const = default;
};

struct TBody {
    std::uint16_t command = 0;
    std::uint16_t sequence = 0;
    std::uint16_t itemCount = 0;
    std::vector<TPair> pairs; // command 2 only: the pairs that lie wholly inside the body
};

TBytes BuildReadList(std::uint16_t sequence, std::span<const std::uint16_t> registers);
TBytes BuildWriteList(std::uint16_t sequence, std::span<const TPair> pairs);

// Decodes a received body (the bytes after the length field); nothing when shorter than the header.
std::optional<TBody> ParseBody(std::span<const std::uint8_t> body);

} // namespace FramedFrame
