// RTU reply validation must accept exactly the replies of the asked shape and read their values as
// the wire spells them. The first byte chooses the register count; unless bit 0 of the second is
// set, the rest is sealed with its CRC so that whole replies reach decoding.
#include "link/RtuFrame.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

// CRC-16/MODBUS bit by bit, apart from the link's own computation.
std::uint16_t BitwiseCrc(std::span<const std::uint8_t> bytes) {
    std::uint16_t crc = 0xFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) != 0 ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001) : crc >> 1;
    }
    return crc;
}

bool Sealed(std::span<const std::uint8_t> frame) {
    if (frame.size() < 3)
        return false;
    const std::uint16_t crc = BitwiseCrc(frame.first(frame.size() - 2));
    return frame[frame.size() - 2] == (crc & 0xFF) && frame.back() == crc >> 8;
}

// Address, function 3, byte count, the values high byte first, CRC.
std::optional<std::vector<std::uint16_t>> ExpectedValues(const TBytes& reply, int count) {
    if (count < 1 || count > 125 || reply.size() < 5 || reply[1] != 0x03 || reply[2] != 2 * count ||
        reply.size() != 3u + reply[2] + 2u || !Sealed(reply))
        return std::nullopt;
    std::vector<std::uint16_t> values;
    for (std::size_t at = 3; at + 2 < reply.size(); at += 2)
        values.push_back(static_cast<std::uint16_t>(reply[at] * 256 + reply[at + 1]));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int count = data[0] % 130; // includes counts the session never asks for
    TBytes reply(data + 2, data + size);
    if ((data[1] & 1) == 0) {
        const std::uint16_t crc = BitwiseCrc(reply);
        reply.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        reply.push_back(static_cast<std::uint8_t>(crc >> 8));
    }
    const bool sealed = Sealed(reply);
    if (RtuFrame::HasValidCrc(reply) != sealed ||
        RtuFrame::ParseReadReply(reply, count) != ExpectedValues(reply, count))
        std::abort();
    // The echo of writing 100 to register 3000 (0x0BB8).
    const auto request = RtuFrame::BuildWrite(1, 3000, 100);
    const bool echo = reply.size() == 8 && reply[1] == 0x06 && reply[2] == 0x0B && reply[3] == 0xB8 && sealed;
    const bool exception = reply.size() == 5 && (reply[1] & 0x80) != 0 && sealed;
    if (RtuFrame::IsEchoOf(reply, request) != echo || RtuFrame::IsExceptionReply(reply) != exception)
        std::abort();
    return 0;
}
