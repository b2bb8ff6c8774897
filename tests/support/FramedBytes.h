#pragma once

#include <QByteArray>

#include <cstdint>

// Frame bytes of the framed protocol for the test peers, apart from the program's own codec.
namespace FramedBytes {

inline const QByteArray kMagic("\x5D\x73\x91\xAD", 4);

inline void Put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

inline std::uint16_t Get16(const QByteArray& in, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(in[at]) |
                                      static_cast<std::uint8_t>(in[at + 1]) << 8);
}

inline QByteArray Frame(std::uint16_t command, std::uint16_t sequence, std::uint16_t count,
                        const QByteArray& items) {
    QByteArray frame = kMagic;
    Put16(frame, static_cast<std::uint16_t>(6 + items.size()));
    Put16(frame, command);
    Put16(frame, sequence);
    Put16(frame, count);
    return frame + items;
}

} // namespace FramedBytes
