#include "SimHistory.h"

#include <cstdio>

namespace {

constexpr std::int64_t kEventSpacingMs = std::int64_t{15} * 60 * 1000;
constexpr std::int64_t kRecordSpacingMs = std::int64_t{60} * 60 * 1000;
constexpr std::int64_t kMsPerDay = 86400000;

// Civil date from days since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

void PutField(std::string& record, std::size_t at, std::size_t width, const std::string& text) {
    record.replace(at, std::min(width, text.size()), text.substr(0, width));
}

} // namespace

TSimHistory::TSimHistory(int events, int records, std::uint32_t seed, std::int64_t nowLocalMs)
    : events_(events), records_(records), seed_(seed), nowMs_(nowLocalMs) {}

std::uint32_t TSimHistory::Noise(long long index, int salt) const {
    std::uint64_t x = (static_cast<std::uint64_t>(index) * 0x9E3779B97F4A7C15ull) ^
                      (seed_ * 0xBF58476D1CE4E5B9ull) ^ (static_cast<std::uint64_t>(salt) << 32);
    x ^= x >> 31;
    x *= 0x94D049BB133111EBull;
    x ^= x >> 29;
    return static_cast<std::uint32_t>(x);
}

std::array<std::uint16_t, TSimHistory::kEventWords> TSimHistory::Event(int index) const {
    std::array<std::uint16_t, kEventWords> words{};
    if (index < 0 || index >= events_)
        return words;
    const auto stamp = static_cast<std::uint64_t>(nowMs_ - (events_ - index) * kEventSpacingMs);
    words[0] = static_cast<std::uint16_t>(stamp & 0xFFFF);
    words[1] = static_cast<std::uint16_t>((stamp >> 16) & 0xFFFF);
    words[2] = static_cast<std::uint16_t>((stamp >> 32) & 0xFFFF);
    const int oil = 450 + static_cast<int>(Noise(index, 0) % 250); // tenths of ºC
    for (int w = 0; w < 3; ++w)
        words[3 + static_cast<std::size_t>(w)] =
            static_cast<std::uint16_t>(1500 + oil + 150 + static_cast<int>(Noise(index, 1 + w) % 120));
    for (int r = 0; r < 6; ++r)
        words[6 + static_cast<std::size_t>(r)] =
            static_cast<std::uint16_t>(1500 + oil + static_cast<int>(Noise(index, 10 + r) % 60) - 30);
    words[12] = static_cast<std::uint16_t>(Noise(index, 20) & 0x3FF);
    return words;
}

std::string TSimHistory::Record(long long index) const {
    std::string record(kRecordBytes, '\0');
    if (index < 0 || index >= records_)
        return record;
    const std::int64_t stamp = nowMs_ - (index + 1) * kRecordSpacingMs;
    std::int64_t days = stamp / kMsPerDay;
    std::int64_t msOfDay = stamp % kMsPerDay;
    if (msOfDay < 0) {
        msOfDay += kMsPerDay;
        --days;
    }
    int y = 0, m = 0, d = 0;
    CivilFromDays(days, y, m, d);
    const int seconds = static_cast<int>(msOfDay / 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", d, m, y, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    PutField(record, 0, 20, text);
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(Noise(index, 1) % 300) / 10.0);
    PutField(record, 20, 10, text);
    std::snprintf(text, sizeof text, "%u", 1000 + Noise(index, 2) % 9000);
    // One record's water reading fills its whole field: no zero byte ends it.
    PutField(record, 30, 10, index == 5 ? "4294967295" : text);
    // Every seventh record comes from a moment without a temperature sensor.
    if (index % 7 != 3) {
        std::snprintf(text, sizeof text, "%.1f", 15.0 + static_cast<double>(Noise(index, 3) % 200) / 10.0);
        PutField(record, 40, 10, text);
    }
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(Noise(index, 4) % 40) / 10.0);
    PutField(record, 50, 10, text);
    return record;
}
