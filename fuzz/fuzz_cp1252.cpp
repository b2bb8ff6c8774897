// Texts go to files and devices through the code page: every byte string must come back from its
// characters, and a text must come back from its bytes exactly when every character has a place.
// The input is the bytes, and also the text as little-endian UTF-16 units.
#include "persistence/Cp1252.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString decoded = Cp1252::ToUnicode(bytes);
    if (Cp1252::FromUnicode(decoded) != bytes || !Cp1252::CanEncode(decoded))
        std::abort();

    QString text;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8)));
    const std::string encoded = Cp1252::FromUnicode(text);
    if (encoded.size() != static_cast<std::size_t>(text.size()) ||
        Cp1252::CanEncode(text) != (Cp1252::ToUnicode(encoded) == text))
        std::abort();
    return 0;
}
