#include "model/TrendBuffer.h"

#include <QDateTime>

#include <array>
#include <cmath>
#include <charconv>

TTrendBuffer::TTrendBuffer(std::size_t series) {
    Reset(series);
}

void TTrendBuffer::Reset(std::size_t series) {
    series_ = series;
    times_.assign(kCapacity, 0);
    values_.assign(kCapacity * series, 0.0F);
    head_ = 0;
    size_ = 0;
}

void TTrendBuffer::DropFront() {
    head_ = (head_ + 1) % kCapacity;
    --size_;
}

bool TTrendBuffer::Add(std::int64_t ms, std::span<const double> values) {
    if (size_ > 0 && ms <= Time(size_ - 1))
        return false;
    while (size_ > 0 && Time(0) <= ms - kSpanMs)
        DropFront();
    if (size_ == kCapacity)
        DropFront();
    const std::size_t slot = Slot(size_);
    times_[slot] = ms;
    for (std::size_t s = 0; s < series_; ++s)
        values_[slot * series_ + s] = s < values.size() ? static_cast<float>(values[s]) : NAN;
    ++size_;
    return true;
}

std::int64_t TTrendBuffer::Time(std::size_t i) const {
    return times_[Slot(i)];
}

double TTrendBuffer::Value(std::size_t i, std::size_t series) const {
    return values_[Slot(i) * series_ + series];
}

std::size_t TTrendBuffer::Bytes() const {
    return times_.capacity() * sizeof(std::int64_t) + values_.capacity() * sizeof(float);
}

std::string TTrendBuffer::Csv(const std::vector<std::string>& names, const std::vector<int>& decimals) const {
    std::string csv = "time";
    for (const std::string& name : names)
        csv += "," + name;
    csv += "\r\n";
    for (std::size_t i = 0; i < size_; ++i) {
        csv += QDateTime::fromMSecsSinceEpoch(Time(i)).toString(Qt::ISODate).toStdString();
        for (std::size_t s = 0; s < series_; ++s) {
            csv += ',';
            const double value = Value(i, s);
            if (std::isnan(value))
                continue;
            // "." whatever the locale of the program.
            std::array<char, 48> text{};
            const auto end = std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed,
                                           s < decimals.size() ? decimals[s] : 3)
                                 .ptr;
            csv.append(text.data(), end);
        }
        csv += "\r\n";
    }
    return csv;
}
