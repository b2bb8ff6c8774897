#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/RegisterImage.h"
#include "model/TrendBuffer.h"
#include "model/TrendSeries.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kSecond = 1000;

std::vector<double> Values(double a, double b) {
    return {a, b};
}

TEST(TrendBuffer, KeepsExactlyTheLastHourInABoundedRing) {
    TTrendBuffer buffer(2);
    for (std::int64_t t = 0; t <= 3600; ++t)
        EXPECT_TRUE(buffer.Add(t * kSecond, Values(static_cast<double>(t), 0)));
    // The sample of second 0 is an hour old when second 3600 comes.
    EXPECT_EQ(buffer.Size(), 3600U);
    EXPECT_EQ(buffer.Time(0), 1 * kSecond);
    EXPECT_EQ(buffer.Value(0, 0), 1.0);
    EXPECT_EQ(buffer.Time(3599), 3600 * kSecond);
    // A sample that is not newer than the last is left out.
    EXPECT_FALSE(buffer.Add(3600 * kSecond, Values(9, 9)));
    EXPECT_EQ(buffer.Size(), 3600U);
    // After a gap of more than an hour only the new sample is left.
    EXPECT_TRUE(buffer.Add(9000 * kSecond, Values(7, 8)));
    EXPECT_EQ(buffer.Size(), 1U);
    EXPECT_EQ(buffer.Value(0, 1), 8.0);

    // Fed ten times a second, the ring holds its capacity and no more: the newest samples.
    TTrendBuffer fast(12);
    for (std::int64_t i = 0; i < 10000; ++i)
        fast.Add(i * 100, std::vector<double>(12, static_cast<double>(i)));
    EXPECT_EQ(fast.Size(), TTrendBuffer::kCapacity);
    EXPECT_EQ(fast.Value(0, 11), 10000.0 - TTrendBuffer::kCapacity);
    EXPECT_EQ(fast.Value(fast.Size() - 1, 0), 9999.0);
    // Twelve series: 7200 times of 8 bytes and 7200 x 12 values of 4 bytes.
    EXPECT_EQ(fast.Bytes(), 7200U * 8 + 7200U * 12 * 4);
}

TEST(TrendBuffer, CsvHasAHeaderAndARowPerSampleWithPointDecimals) {
    TTrendBuffer buffer(2);
    const std::int64_t noon = QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0)).toMSecsSinceEpoch();
    buffer.Add(noon, Values(55.25, 3.456));
    buffer.Add(noon + kSecond, Values(NAN, 1200));
    EXPECT_EQ(buffer.Csv({"RTD 1 (C)", "Current 1 (A)"}, {1, 2}),
              "time,RTD 1 (C),Current 1 (A)\r\n"
              "2026-12-10T12:00:00,55.2,3.46\r\n"
              "2026-12-10T12:00:01,,1200.00\r\n");
    EXPECT_EQ(TTrendBuffer(1).Csv({"x"}, {0}), "time,x\r\n");
}

TEST(TrendSeries, EachFamilyPlotsWhatItsScreenPolls) {
    TRegisterImage image;
    image.SetFamily(Family::kThermal);
    image.StoreRegister(1020, 2); // windings
    image.StoreRegister(1003, 4); // RTD inputs
    image.StoreRegister(510, 2053);
    image.StoreRegister(505, 345);
    const auto thermal = TrendSeries::ForDevice(Family::kThermal, image);
    ASSERT_EQ(thermal.size(), 4U + 2 + 2);
    EXPECT_EQ(thermal[0].kind, TrendSeries::TKind::RtdTemperature);
    EXPECT_DOUBLE_EQ(TrendSeries::Value(thermal[0], image), 55.3);
    EXPECT_EQ(thermal[4].kind, TrendSeries::TKind::WindingTemperature);
    EXPECT_EQ(thermal[7].kind, TrendSeries::TKind::WindingCurrent);
    EXPECT_EQ(thermal[7].number, 2);
    EXPECT_DOUBLE_EQ(TrendSeries::Value(thermal[7], image), 3.45);

    image.StoreRegister(2002, DeviceIdentity::kMembraneSignature);
    EXPECT_EQ(TrendSeries::ForDevice(Family::kThermal, image).size(), 1U);

    image.SetFamily(Family::kParallelism);
    image.StoreRegister(1951, 3);
    image.StoreRegister(504, 7);
    const auto parallel = TrendSeries::ForDevice(Family::kParallelism, image);
    ASSERT_EQ(parallel.size(), 1U);
    EXPECT_DOUBLE_EQ(TrendSeries::Value(parallel[0], image), 7);
    image.StoreRegister(1951, 16); // no unit of the group
    EXPECT_TRUE(TrendSeries::ForDevice(Family::kParallelism, image).empty());

    image.SetFamily(Family::kIrrigation);
    image.StoreRegister(1004, 0x0001);
    image.StoreRegister(1005, 0x0002);
    const auto irrigation = TrendSeries::ForDevice(Family::kIrrigation, image);
    ASSERT_EQ(irrigation.size(), 2U);
    EXPECT_DOUBLE_EQ(TrendSeries::Value(irrigation[1], image), 0x00020001);
    EXPECT_EQ(TrendSeries::ForDevice(Family::kRegulator, image).size(), 3U);
    EXPECT_TRUE(TrendSeries::ForDevice(9, image).empty());
}

} // namespace
