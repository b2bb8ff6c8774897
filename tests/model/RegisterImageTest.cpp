#include "model/RegisterImage.h"

#include <gtest/gtest.h>

namespace {

TEST(RegisterImage, EncodingsOfTheCommonTable) {
    TRegisterImage image;

    image.StoreRegister(1780, 0xFFFF); // signed
    EXPECT_EQ(image.Cell(TGroup::WifiSignal), -1);
    EXPECT_EQ(image.FetchRegister(1780), 65535);

    image.StoreRegister(1701, 0xC0A8); // high word then low word of one cell
    image.StoreRegister(1700, 0x0032);
    EXPECT_EQ(image.IpAddress(), 0xC0A80032u);
    image.StoreRegister(1701, 0x0A00); // each half keeps the other
    EXPECT_EQ(image.IpAddress(), 0x0A000032u);
    EXPECT_EQ(image.FetchRegister(1700), 0x0032);
    EXPECT_EQ(image.FetchRegister(1701), 0x0A00);

    image.StoreRegister(1720, 0x4241); // character pair, low byte first
    image.StoreRegister(1721, 0x0043);
    image.StoreRegister(1722, 0x4545);
    EXPECT_EQ(image.WifiName(), "ABC"); // the zero byte ends the text
    EXPECT_EQ(image.FetchRegister(1720), 0x4241);

    image.StoreRegister(1600, 0x314A); // single character: the low byte only
    EXPECT_EQ(image.PasswordChar(0), 'J');
    EXPECT_EQ(image.FetchRegister(1600), 'J');

    image.StoreRegister(2501, 0x5678);
    image.StoreRegister(2502, 0x9234);
    EXPECT_EQ(image.SerialNumber(), 0x12345678);
}

TEST(RegisterImage, RegistersWithoutCells) {
    TRegisterImage image;
    for (int reg : {11, 1303, 1499, 2003, 2664, 65535}) {
        image.StoreRegister(reg, 1234);
        EXPECT_EQ(image.FetchRegister(reg), 0) << reg;
    }
    EXPECT_EQ(image.Cell(TGroup::ModoSerial, 3), 0); // index past the group
    EXPECT_EQ(image.Cell(TGroup::ModoSerial, -1), 0);
    EXPECT_EQ(image.Byte(TGroup::WifiSsid, 32), 0);
}

TEST(RegisterImage, IndexedGetters) {
    TRegisterImage image;
    image.StoreRegister(1302, 7);
    image.StoreRegister(2549, 0x4048);
    image.StoreRegister(2663, 2);
    EXPECT_EQ(image.Cell(TGroup::ModoSerial, 2), 7);
    EXPECT_EQ(image.Cell(TGroup::RtdGains, 9), 0x4048);
    EXPECT_EQ(image.Cell(TGroup::BoardTypes, 3), 2);
}

TEST(RegisterImage, BankBitOfFamilyOne) {
    TRegisterImage image;
    image.SetFamily(1);
    image.StoreRegister(0x8000 + 1500, 2);
    EXPECT_EQ(image.FetchRegister(1500), 2);
    image.StoreRegister(1500, 1);
    EXPECT_EQ(image.FetchRegister(0x8000 + 1500), 1);
    image.StoreRegister(0x8000 + 402, 59); // family 1 clock
    EXPECT_EQ(image.Cell(TGroup::Clock, 1), 59);

    image.SetFamily(2); // other families take the number as it is
    image.StoreRegister(0x8000 + 1500, 9);
    EXPECT_EQ(image.FetchRegister(1500), 1);
}

TEST(RegisterImage, ClockCellsPerFamily) {
    TRegisterImage image;
    image.StoreRegister(401, 13); // families 0 and 1
    image.SetFamily(3);
    EXPECT_EQ(image.FetchRegister(401), 0);
    image.StoreRegister(606, 26); // families 2..4
    EXPECT_EQ(image.Cell(TGroup::Clock, 5), 26);
    EXPECT_EQ(image.Cell(TGroup::Clock, 0), 13); // one set of cells, kept across a family switch
}

} // namespace
