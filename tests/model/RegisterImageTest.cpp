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

namespace {

TEST(FamilyTables, CellsOfTheThermalMonitor) {
    TRegisterImage image;
    image.StoreRegister(512, 1750);
    image.StoreRegister(513, 1085);
    EXPECT_EQ(image.Cell(TGroup::RtdTemperature, 1), 1750);
    EXPECT_EQ(image.Cell(TGroup::RtdResistance, 1), 1085);
    image.StoreRegister(11, 5); // between two relay groups
    EXPECT_EQ(image.FetchRegister(11), 0);
    image.StoreRegister(47, 25);
    EXPECT_EQ(image.Cell(TGroup::Retardo, 6), 25);

    // 1720..1735 are both a time stamp and the Wi-Fi name; the name answers.
    for (int reg = 1710; reg <= 1736; ++reg)
        image.StoreRegister(reg, static_cast<std::uint16_t>(reg == 1725 ? 0x4443 : 0));
    EXPECT_EQ(image.Cell(TGroup::MaxTimestamps, 15), 0x4443);
    EXPECT_EQ(image.FetchRegister(1725), 0x4443);
    EXPECT_EQ(image.Byte(TGroup::WifiSsid, 10), 'C');
}

TEST(FamilyTables, SameRegisterDifferentMeaning) {
    struct Case {
        int family;
        int reg;
        TGroup group;
        int index;
    };
    const Case cases[] = {
        {0, 701, TGroup::MaxWindingTemperature, 0},
        {2, 701, TGroup::TapSettings, 0},
        {4, 707, TGroup::TapSettings, 6},
        {1, 0x8000 + 541 + 3, TGroup::UnitMode, 3},
        {1, 304, TGroup::EscalaSaida, 3},
        {2, 151, TGroup::HoraFinalMinuto, 7}, // 20 x 7 + 11
        {2, 1015, TGroup::RegulatorMeasurements, 14},
        {3, 45, TGroup::CicloIrrAtrasoRamal, 5},
        {3, 1109, TGroup::RelayState, 9},
    };
    for (const auto& c : cases) {
        TRegisterImage image;
        image.SetFamily(c.family);
        image.StoreRegister(c.reg, 2);
        EXPECT_EQ(image.Cell(c.group, c.index), 2) << c.family << "/" << c.reg;
        EXPECT_EQ(image.FetchRegister(c.reg), 2) << c.family << "/" << c.reg;
    }
    TRegisterImage regulator;
    regulator.SetFamily(2);
    regulator.StoreRegister(161, 9); // no regulation set 8
    EXPECT_EQ(regulator.FetchRegister(161), 0);
}

TEST(FamilyTables, IrrigationWordsAndRecordBytes) {
    TRegisterImage image;
    image.SetFamily(3);
    image.StoreRegister(1002, 0x1234);
    image.StoreRegister(1003, 0x0001);
    EXPECT_EQ(image.Cell(TGroup::RainGauge), 0x11234);
    image.StoreRegister(2912, 7);
    image.StoreRegister(2913, 1);
    EXPECT_EQ(image.Cell(TGroup::RecordCounts, 1), 0x10007);
    EXPECT_EQ(image.Cell(TGroup::RecordCounts, 0), 0);
    image.StoreRegister(4002, 0x4241);
    EXPECT_EQ(image.Byte(TGroup::RecordBytes, 0), 0x41);
    EXPECT_EQ(image.Byte(TGroup::RecordBytes, 1), 0x42);
}

} // namespace
