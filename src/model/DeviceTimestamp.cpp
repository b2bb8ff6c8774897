#include "model/DeviceTimestamp.h"

#include <cstdio>

namespace DeviceTimestamp {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

struct TDate {
    std::int64_t year;
    int month;
    int day;
};

// The proleptic Gregorian date of a day count since 1970-01-01.
TDate DateOfDay(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

// The date and the time of day of a count.
struct TMoment {
    TDate date;
    std::int64_t inDay;
    int Part(std::int64_t unit, std::int64_t modulo) const { return static_cast<int>(inDay / unit % modulo); }
};

TMoment MomentOf(std::int64_t ms) {
    std::int64_t days = ms / kMsPerDay;
    std::int64_t inDay = ms % kMsPerDay;
    if (inDay < 0) {
        inDay += kMsPerDay;
        --days;
    }
    return {DateOfDay(days), inDay};
}

} // namespace

std::int64_t FromWords(std::int32_t low, std::int32_t middle, std::int32_t high) {
    const auto word = [](std::int32_t w) { return static_cast<std::int64_t>(w & 0xFFFF); };
    return word(low) | word(middle) << 16 | word(high) << 32;
}

std::string Format(std::int64_t ms) {
    const TMoment m = MomentOf(ms);
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d %02d:%02d:%02d:%03d", m.date.day, m.date.month,
                  static_cast<int>((m.date.year % 100 + 100) % 100), m.Part(3'600'000, 24),
                  m.Part(60'000, 60), m.Part(1000, 60), m.Part(1, 1000));
    return text;
}

std::string FormatIso(std::int64_t ms) {
    const TMoment m = MomentOf(ms);
    char text[48];
    std::snprintf(text, sizeof text, "%04lld-%02d-%02dT%02d:%02d:%02d.%03d",
                  static_cast<long long>(m.date.year), m.date.month, m.date.day, m.Part(3'600'000, 24),
                  m.Part(60'000, 60), m.Part(1000, 60), m.Part(1, 1000));
    return text;
}

} // namespace DeviceTimestamp
