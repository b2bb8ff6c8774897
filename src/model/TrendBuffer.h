#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The samples of a live trend over the last hour, in a ring of fixed size: at one sample a second
// an hour is 3600 of them; the ring holds twice that, so a faster feed is still bounded.
class TTrendBuffer {
public:
    static constexpr std::int64_t kSpanMs = 3'600'000;
    static constexpr std::size_t kCapacity = 7200;

    explicit TTrendBuffer(std::size_t series = 0);

    // Starts again with this many series and no samples.
    void Reset(std::size_t series);
    // A sample at `ms` (milliseconds since 1970) with one value per series. Samples older than an
    // hour before it go; one that is not newer than the last is ignored (false).
    bool Add(std::int64_t ms, std::span<const double> values);

    std::size_t Series() const { return series_; }
    std::size_t Size() const { return size_; }
    // Sample i, 0 the oldest kept.
    std::int64_t Time(std::size_t i) const;
    double Value(std::size_t i, std::size_t series) const;
    // The bytes the ring holds, for the memory figure.
    std::size_t Bytes() const;

    // A header "time" plus the names, then a row a sample: local ISO 8601 time stamp, each value
    // with its decimals and "." as the separator (empty for no value). Lines end in CR LF.
    std::string Csv(const std::vector<std::string>& names, const std::vector<int>& decimals) const;

private:
    std::size_t Slot(std::size_t i) const { return (head_ + i) % kCapacity; }
    void DropFront();

    std::size_t series_ = 0;
    std::vector<std::int64_t> times_;
    std::vector<float> values_; // kCapacity rows of series_ values
    std::size_t head_ = 0;
    std::size_t size_ = 0;
};
