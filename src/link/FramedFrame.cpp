#include "link/FramedFrame.h"

namespace FramedFrame {
namespace {

void PutWord(TBytes& frame, std::uint16_t word) {
    frame.push_back(static_cast<std::uint8_t>(word & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(word >> 8));
}

std::uint16_t WordAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

TBytes StartFrame(std::uint16_t command, std::uint16_t sequence, std::size_t itemCount,
                  std::size_t itemBytes) {
    TBytes frame(kMagic.begin(), kMagic.end());
    frame.reserve(4 + 2 + kHeaderSize + itemBytes);
    PutWord(frame, static_cast<std::uint16_t>(kHeaderSize + itemBytes));
    PutWord(frame, command);
    PutWord(frame, sequence);
    PutWord(frame, static_cast<std::uint16_t>(itemCount));
    return frame;
}

} // namespace

TBytes BuildReadList(std::uint16_t sequence, std::span<const std::uint16_t> registers) {
    TBytes frame = StartFrame(kReadListCommand, sequence, registers.size(), 2 * registers.size());
    for (std::uint16_t reg : registers)
        PutWord(frame, reg);
    return frame;
}

TBytes BuildWriteList(std::uint16_t sequence, std::span<const TPair> pairs) {
    TBytes frame = StartFrame(kWriteListCommand, sequence, pairs.size(), 4 * pairs.size());
    for (const TPair& pair : pairs) {
        PutWord(frame, pair.reg);
        PutWord(frame, pair.value);
    }
    return frame;
}

std::optional<TBody> ParseBody(std::span<const std::uint8_t> body) {
    if (body.size() < kHeaderSize)
        return std::nullopt;
    TBody parsed;
    parsed.command = WordAt(body, 0);
    parsed.sequence = WordAt(body, 2);
    parsed.itemCount = WordAt(body, 4);
    if (parsed.command == kValuesCommand) {
        const std::size_t fits = (body.size() - kHeaderSize) / 4;
        const std::size_t n = parsed.itemCount < fits ? parsed.itemCount : fits;
        parsed.pairs.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t at = kHeaderSize + 4 * i;
            parsed.pairs.push_back({WordAt(body, at), WordAt(body, at + 2)});
        }
    }
    return parsed;
}

} // namespace FramedFrame
