#include "Hex.h"
#include "ModbusClient.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

namespace {

using Values = std::vector<std::uint16_t>;

// Write-multiple frames whose register count and byte count disagree, or whose count is out of
// range: each gets ILLEGAL DATA VALUE and leaves the registers as they were. The set points 1..10
// are settings that take any value, so nothing else would refuse the write.
TEST(SimRtuRequests, WriteMultipleWithABadCountIsRefused) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    // A full frame first, so that the server's receive buffer holds bytes past the short ones.
    ASSERT_TRUE(rtu.Write(21, Values(10, 0x5A5A)));

    for (const char* frame : {
             "01 10 0001 000A 02 0007",      // ten registers, two bytes
             "01 10 0001 0001 04 0009 0008", // one register, four bytes
             "01 10 0001 0000 00",           // no registers
             "01 10 0001 8000 00",           // 32768 registers, no bytes
             "01 10 0001 0080 00",           // 128 registers, no bytes
         }) {
        SCOPED_TRACE(frame);
        const auto before = rtu.Read(1, 10);
        ASSERT_TRUE(before);
        EXPECT_EQ(rtu.Exchange(Hex(frame)), Hex("01 90 03"));
        EXPECT_EQ(rtu.Read(1, 10), before);
    }
    EXPECT_TRUE(rtu.Write(1, Values{70, 75})); // a good frame is still taken
    EXPECT_EQ(rtu.Read(1, 2), (Values{70, 75}));
}

} // namespace
