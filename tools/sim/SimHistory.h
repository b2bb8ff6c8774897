#pragma once

#include <array>
#include <cstdint>
#include <string>

// The thermal monitor's event log and the irrigation controller's record card. Entries are made
// up from the seed and their number, so the same options always give the same history.
class TSimHistory {
public:
    static constexpr int kEventWords = 13;
    static constexpr int kRecordBytes = 60;

    TSimHistory(int events, int records, std::uint32_t seed, std::int64_t nowLocalMs);

    int EventCount() const { return events_; }
    void EraseEvents() { events_ = 0; }
    // Event 0 is the oldest; an index outside the log gives zeros.
    std::array<std::uint16_t, kEventWords> Event(int index) const;

    int RecordCount() const { return records_; }
    void EraseRecords() { records_ = 0; }
    // Record 0 is the newest: five fixed-width text fields, zero-padded; zeros outside the card.
    std::string Record(long long index) const;

private:
    std::uint32_t Noise(long long index, int salt) const;

    int events_;
    int records_;
    std::uint32_t seed_;
    std::int64_t nowMs_;
};
