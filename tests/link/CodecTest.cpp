#include "Hex.h"

#include "link/Crc16.h"
#include "link/FramedFrame.h"
#include "link/RtuFrame.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Crc16Modbus, CheckValueAndKnownFrame) {
    const std::string digits = "123456789";
    EXPECT_EQ(Crc16Modbus(Bytes(digits.begin(), digits.end())), 0x4B37);
    EXPECT_EQ(Crc16Modbus({}), 0xFFFF);
    // The CRC of a whole frame including its own CRC (low byte first) is 0.
    EXPECT_EQ(Crc16Modbus(Hex("01 03 07 D2 00 01 25 47")), 0);
}

struct TRtuBuildCase {
    const char* name;
    Bytes frame;
    const char* expected;
};

TEST(RtuFrame, RequestLayouts) {
    const std::uint16_t run[] = {0x0001, 0x0203};
    const TRtuBuildCase cases[] = {
        {"read 2002", RtuFrame::BuildRead(1, 2002, 1), "01 03 07 D2 00 01 25 47"},
        {"read banked 201", RtuFrame::BuildRead(1, 0x80C9, 1), "01 03 80 C9 00 01 7D F4"},
        {"write", RtuFrame::BuildWrite(0x11, 0x0001, 0x0003), "11 06 00 01 00 03 9A 9B"},
        {"command banked", RtuFrame::BuildWrite(1, 0x8BB8, 1000), "01 06 8B B8 03 E8 22 B5"},
        {"write multiple", RtuFrame::BuildWriteMultiple(1, 1500, run),
         "01 10 05 DC 00 02 04 00 01 02 03 D1 57"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.frame, Hex(c.expected));
    }
}

TEST(RtuFrame, ReadReplyValidation) {
    const Bytes good = Hex("01 03 04 00 0A 01 02 00 00");
    Bytes withCrc(good.begin(), good.end() - 2);
    const std::uint16_t crc = Crc16Modbus(withCrc);
    withCrc.push_back(crc & 0xFF);
    withCrc.push_back(crc >> 8);

    const auto values = RtuFrame::ParseReadReply(withCrc, 2);
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (std::vector<std::uint16_t>{0x000A, 0x0102}));

    Bytes badCrc = withCrc;
    badCrc[badCrc.size() - 1] ^= 0xFF;
    Bytes longer = withCrc;
    longer.push_back(0);
    Bytes shorter(withCrc.begin(), withCrc.end() - 1);
    Bytes wrongCount = withCrc;
    wrongCount[2] = 2;
    Bytes wrongFunction = withCrc;
    wrongFunction[1] = 0x04;
    const Bytes exception = Hex("01 83 02 C0 F1");

    EXPECT_FALSE(RtuFrame::ParseReadReply(badCrc, 2));
    EXPECT_FALSE(RtuFrame::ParseReadReply(longer, 2));
    EXPECT_FALSE(RtuFrame::ParseReadReply(shorter, 2));
    EXPECT_FALSE(RtuFrame::ParseReadReply(withCrc, 1)); // count asked differs
    EXPECT_FALSE(RtuFrame::ParseReadReply(exception, 2));
    for (Bytes* frame : {&wrongCount, &wrongFunction}) {
        // Re-seal the CRC so that only the field under test is wrong.
        frame->resize(frame->size() - 2);
        const std::uint16_t c = Crc16Modbus(*frame);
        frame->push_back(c & 0xFF);
        frame->push_back(c >> 8);
        EXPECT_FALSE(RtuFrame::ParseReadReply(*frame, 2));
    }
}

TEST(RtuFrame, CommandEchoAndExceptionReplies) {
    const Bytes request = RtuFrame::BuildWrite(1, 0x8BB8, 1000);
    const Bytes echoOtherValue = RtuFrame::BuildWrite(1, 0x8BB8, 7);
    const Bytes echoOtherRegister = RtuFrame::BuildWrite(1, 0x0BB8, 1000);
    Bytes corrupted = request;
    corrupted[4] ^= 1;

    EXPECT_TRUE(RtuFrame::IsEchoOf(request, request));
    EXPECT_TRUE(RtuFrame::IsEchoOf(echoOtherValue, request)); // the echoed value is not compared
    EXPECT_FALSE(RtuFrame::IsEchoOf(echoOtherRegister, request));
    EXPECT_FALSE(RtuFrame::IsEchoOf(corrupted, request));
    EXPECT_FALSE(RtuFrame::IsEchoOf(Bytes(request.begin(), request.end() - 1), request));

    Bytes exception = Hex("01 83 02 C0 F1");
    EXPECT_TRUE(RtuFrame::IsExceptionReply(exception));
    exception[3] ^= 1;
    EXPECT_FALSE(RtuFrame::IsExceptionReply(exception));
}

TEST(FramedFrame, ListLayouts) {
    const std::uint16_t regs[] = {1500, 401};
    EXPECT_EQ(FramedFrame::BuildReadList(0x0102, regs),
              Hex("5D 73 91 AD 0A 00 01 00 02 01 02 00 DC 05 91 01"));
    const FramedFrame::TPair pairs[] = {{3000, 100}};
    EXPECT_EQ(FramedFrame::BuildWriteList(7, pairs), Hex("5D 73 91 AD 0A 00 0A 00 07 00 01 00 B8 0B 64 00"));

    // The measurement batch of the thermal monitor: 1 + 6 + 21 + 10 registers in one list.
    std::vector<std::uint16_t> batch{1500};
    for (int first : {401, 501, 601})
        for (int i = 0; i < (first == 401 ? 6 : first == 501 ? 21 : 10); ++i)
            batch.push_back(static_cast<std::uint16_t>(first + i));
    const auto frame = FramedFrame::BuildReadList(0, batch);
    ASSERT_EQ(batch.size(), 38u);
    EXPECT_EQ(frame[4] | frame[5] << 8, 82);
    EXPECT_EQ(frame.size(), 4u + 2u + 82u);
}

TEST(FramedFrame, BodyParsingKeepsOnlyWholePairs) {
    const auto body = FramedFrame::ParseBody(Hex("02 00 05 00 03 00 DC 05 02 00 91 01 0C 00 F5"));
    ASSERT_TRUE(body);
    EXPECT_EQ(body->command, 2);
    EXPECT_EQ(body->sequence, 5);
    EXPECT_EQ(body->itemCount, 3); // announced three, two lie wholly inside
    EXPECT_EQ(body->pairs, (std::vector<FramedFrame::TPair>{{1500, 2}, {401, 12}}));

    const auto writeReply = FramedFrame::ParseBody(Hex("0A 00 09 00 01 00"));
    ASSERT_TRUE(writeReply);
    EXPECT_EQ(writeReply->itemCount, 1);
    EXPECT_TRUE(writeReply->pairs.empty());

    EXPECT_FALSE(FramedFrame::ParseBody(Hex("02 00 05 00 03")));
}

} // namespace
