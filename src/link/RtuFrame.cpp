#include "link/RtuFrame.h"

#include "link/Crc16.h"

namespace RtuFrame {
namespace {

void PutWord(TBytes& frame, std::uint16_t word) {
    frame.push_back(static_cast<std::uint8_t>(word >> 8));
    frame.push_back(static_cast<std::uint8_t>(word & 0xFF));
}

void AppendCrc(TBytes& frame) {
    const std::uint16_t crc = Crc16Modbus(frame);
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
}

TBytes BuildSimple(std::uint8_t address, std::uint8_t function, std::uint16_t a, std::uint16_t b) {
    TBytes frame{address, function};
    PutWord(frame, a);
    PutWord(frame, b);
    AppendCrc(frame);
    return frame;
}

} // namespace

TBytes BuildRead(std::uint8_t address, std::uint16_t first, std::uint16_t count) {
    return BuildSimple(address, kReadFunction, first, count);
}

TBytes BuildWrite(std::uint8_t address, std::uint16_t reg, std::uint16_t value) {
    return BuildSimple(address, kWriteFunction, reg, value);
}

TBytes BuildWriteMultiple(std::uint8_t address, std::uint16_t first, std::span<const std::uint16_t> values) {
    TBytes frame{address, kWriteMultipleFunction};
    PutWord(frame, first);
    PutWord(frame, static_cast<std::uint16_t>(values.size()));
    frame.push_back(static_cast<std::uint8_t>(2 * values.size()));
    for (std::uint16_t v : values)
        PutWord(frame, v);
    AppendCrc(frame);
    return frame;
}

bool HasValidCrc(std::span<const std::uint8_t> frame) {
    if (frame.size() < 3)
        return false;
    const std::uint16_t crc = Crc16Modbus(frame.first(frame.size() - 2));
    return frame[frame.size() - 2] == (crc & 0xFF) && frame[frame.size() - 1] == (crc >> 8);
}

std::optional<std::vector<std::uint16_t>> ParseReadReply(std::span<const std::uint8_t> reply, int count) {
    if (count < 1 || count > kMaxReadCount || reply.size() != 2 * static_cast<std::size_t>(count) + 5)
        return std::nullopt;
    if (reply[1] != kReadFunction || reply[2] != 2 * count || !HasValidCrc(reply))
        return std::nullopt;
    std::vector<std::uint16_t> values(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = static_cast<std::uint16_t>(reply[3 + 2 * i] << 8 | reply[4 + 2 * i]);
    return values;
}

bool IsEchoOf(std::span<const std::uint8_t> reply, std::span<const std::uint8_t> request) {
    return reply.size() == 8 && request.size() >= 4 && reply[1] == kWriteFunction && reply[2] == request[2] &&
           reply[3] == request[3] && HasValidCrc(reply);
}

bool IsExceptionReply(std::span<const std::uint8_t> reply) {
    return reply.size() == kExceptionReplySize && (reply[1] & 0x80) != 0 && HasValidCrc(reply);
}

} // namespace RtuFrame
