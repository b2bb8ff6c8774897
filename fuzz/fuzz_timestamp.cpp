// A device time stamp, whatever its three words or its 64-bit count hold, is shown in its fixed
// shapes with a real calendar date and time of day.
#include "model/DeviceTimestamp.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Number(const std::string& text, std::size_t at, std::size_t digits) {
    int n = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            std::abort();
        n = n * 10 + (text[i] - '0');
    }
    return n;
}

void CheckClock(int day, int month, int hour, int minute, int second) {
    if (day < 1 || day > 31 || month < 1 || month > 12 || hour > 23 || minute > 59 || second > 59)
        std::abort();
}

void Check(std::int64_t ms) {
    // "dd/mm/yy hh:nn:ss:zzz"
    const std::string shown = DeviceTimestamp::Format(ms);
    if (shown.size() != 21 || shown[2] != '/' || shown[5] != '/' || shown[8] != ' ' || shown[11] != ':' ||
        shown[14] != ':' || shown[17] != ':')
        std::abort();
    CheckClock(Number(shown, 0, 2), Number(shown, 3, 2), Number(shown, 9, 2), Number(shown, 12, 2),
               Number(shown, 15, 2));
    Number(shown, 6, 2);
    Number(shown, 18, 3);
    // "yyyy-mm-ddThh:nn:ss.zzz", the year of any width and sign
    const std::string iso = DeviceTimestamp::FormatIso(ms);
    if (iso.size() < 23)
        std::abort();
    const std::size_t t = iso.size() - 13; // the 'T'
    if (iso[t] != 'T' || iso[t - 3] != '-' || iso[t - 6] != '-' || iso[t + 3] != ':' || iso[t + 6] != ':' ||
        iso[t + 9] != '.')
        std::abort();
    CheckClock(Number(iso, t - 2, 2), Number(iso, t - 5, 2), Number(iso, t + 1, 2), Number(iso, t + 4, 2),
               Number(iso, t + 7, 2));
    Number(iso, t + 10, 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 6) {
        auto word = [&](std::size_t i) {
            return static_cast<std::int32_t>(data[2 * i] | data[2 * i + 1] << 8);
        };
        Check(DeviceTimestamp::FromWords(word(0), word(1), word(2)));
    }
    if (size >= 8) {
        std::int64_t ms = 0;
        std::memcpy(&ms, data, sizeof ms);
        Check(ms);
    }
    return 0;
}
