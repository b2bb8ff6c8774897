#include "persistence/Cp1252.h"

#include <array>

namespace Cp1252 {
namespace {

// 0x80..0x9F; 0 marks the five undefined places, kept as the control character of the same value.
constexpr std::array<char16_t, 32> kHigh{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t Decode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
        return kHigh[b - 0x80];
    return b;
}

} // namespace

QString ToUnicode(const std::string& bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes)
        text.append(QChar(Decode(static_cast<unsigned char>(c))));
    return text;
}

bool CanEncode(const QString& text) {
    // "?" is the only character FromUnicode gives for what it cannot place.
    const std::string bytes = FromUnicode(text);
    for (qsizetype i = 0; i < text.size(); ++i)
        if (bytes[static_cast<std::size_t>(i)] == '?' && text[i] != QLatin1Char('?'))
            return false;
    return true;
}

std::string FromUnicode(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char out = '?';
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0)) {
            out = static_cast<char>(u);
        } else {
            for (std::size_t i = 0; i < kHigh.size(); ++i) {
                if (kHigh[i] == u && u != 0)
                    out = static_cast<char>(0x80 + i);
            }
        }
        bytes.push_back(out);
    }
    return bytes;
}

} // namespace Cp1252
