// An event record from the device, whatever its words hold, is one line of the event file in its
// fixed shape: the time stamp, the temperatures the device has fitted, then ten relay bits. The
// input gives the thirteen words (two bytes each), then the fitted windings and RTDs.
#include "persistence/EventLog.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

void CheckTimestamp(const std::string& line) {
    // "dd/mm/yy hh:nn:ss:zzz"
    static constexpr const char* kShape = "99/99/99 99:99:99:999";
    for (std::size_t i = 0; kShape[i] != '\0'; ++i) {
        if (i >= line.size() || (kShape[i] == '9' ? !Digit(line[i]) : line[i] != kShape[i]))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kWordBytes = 2 * EventLog::kRecordWords;
    if (size < kWordBytes + 2)
        return 0;
    std::array<std::int32_t, EventLog::kRecordWords> words{};
    for (std::size_t w = 0; w < words.size(); ++w)
        words[w] = data[2 * w] | data[2 * w + 1] << 8;
    const int windings = 1 + data[kWordBytes] % 3;
    const int rtds = 1 + data[kWordBytes + 1] % 6;
    const std::string line = EventLog::Line(words, windings, rtds);
    for (char c : line)
        if (static_cast<unsigned char>(c) < ' ' || static_cast<unsigned char>(c) >= 0x7F)
            std::abort(); // one line, plain ASCII
    CheckTimestamp(line);
    const auto relays = line.rfind(" Rele:");
    if (relays == std::string::npos || line.size() != relays + 6 + 2 * 10)
        std::abort();
    for (int bit = 0; bit < 10; ++bit) {
        const char shown = line[relays + 6 + 2 * static_cast<std::size_t>(bit) + 1];
        if (shown != ((words[12] >> bit & 1) != 0 ? '1' : '0'))
            std::abort();
    }
    // One temperature per fitted input, no more.
    std::size_t labels = 0;
    for (std::size_t at = line.find(": "); at != std::string::npos; at = line.find(": ", at + 1))
        ++labels;
    if (labels != static_cast<std::size_t>(windings + rtds) + 1) // and " Rele: "
        std::abort();
    return 0;
}
