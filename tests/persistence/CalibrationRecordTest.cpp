#include "persistence/CalibrationRecord.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fstream>
#include <limits>
#include <optional>

namespace {

class CalibrationRecord : public ::testing::Test {
protected:
    std::string Folder() const { return dir.path().toStdString() + "/"; }
    QTemporaryDir dir;
};

TEST_F(CalibrationRecord, FirstUseGivesDefaultsAndSaveCreatesTheFile) {
    TCalibrationRecord record(Folder());
    record.Load(1234);
    EXPECT_EQ(record.serialNumber, 1);
    EXPECT_EQ(record.res127, 12700);
    EXPECT_EQ(record.rtds[2].gain, 1.0f);
    EXPECT_EQ(record.currentOutputs[3].lowRange.points, 0);

    record.serialNumber = 1234;
    record.rtds[2].points = 5;
    record.rtds[2].x[4] = 0.1f;
    ASSERT_TRUE(record.Save(1234));
    TIniDocument d;
    ASSERT_TRUE(d.Load(Folder() + "calib1234.ini"));
    EXPECT_TRUE(d.Text().starts_with("[CalibSection]\r\nNumSerie=1234\r\nRes127=12700\r\n[CalibCorr1]\r\n"));
    EXPECT_EQ(d.ReadInteger("CalibRTD3", "NumPontos", 0), 5);
    EXPECT_TRUE(d.Value("CalibRTD3", "Y40").has_value()); // all 40 pairs, whatever the count
    const auto x5 = d.Value("CalibRTD3", "X5").value_or("");
    EXPECT_TRUE(x5 == "0.100000001490116" || x5 == "0,100000001490116") << x5;
    EXPECT_EQ(d.Value("CalibRTD1", "Ganho"), "1");
}

TEST_F(CalibrationRecord, SwitchingDevicesRereadsTheirFiles) {
    TCalibrationRecord record(Folder());
    record.Load(1234);
    record.rtds[0].gain = 1.5f;
    ASSERT_TRUE(record.Save(1234));
    record.Load(5678);
    EXPECT_EQ(record.rtds[0].gain, 1.0f);
    {
        std::ofstream f(Folder() + "calib1234.ini"); // as another program (or locale) left it
        f << "[CalibRTD1]\r\nGanho=1.5\r\n[CalibEntrCorr2]\r\nGanho=2,5\r\nNumPontos=99\r\n";
    }
    record.Load(1234); // another serial number in between: read from disk again
    EXPECT_EQ(record.rtds[0].gain, 1.5f);
    EXPECT_EQ(record.currentInputs[1].gain, 2.5f); // either decimal separator reads
    EXPECT_EQ(record.currentInputs[1].points, 40); // clamped
}

TEST_F(CalibrationRecord, HandEditedValues) {
    {
        std::ofstream f(Folder() + "calib77.ini");
        f << "[CalibSection]\nNumSerie=-5\nRes127=0x319C\n[CalibRTD1]\nGanho=abc\nOffset=1e-2\nNumPontos="
             "0x3\n";
    }
    TCalibrationRecord record(Folder());
    record.Load(77);
    EXPECT_EQ(record.serialNumber, 77); // a negative number gives way to the file's own
    EXPECT_EQ(record.res127, 12700);
    EXPECT_EQ(record.rtds[0].gain, 1.0f); // unparsable: the default
    EXPECT_FLOAT_EQ(record.rtds[0].offset, 0.01f);
    EXPECT_EQ(record.rtds[0].points, 3);
}

TEST(CalibrationNumbers, FormatAndParse) {
    EXPECT_EQ(FormatCalibrationNumber(1.0f, '.'), "1");
    EXPECT_EQ(FormatCalibrationNumber(0.1f, ','), "0,100000001490116");
    EXPECT_EQ(FormatCalibrationNumber(12700.0f, ','), "12700");
    EXPECT_EQ(ParseCalibrationNumber("1,25"), 1.25);
    EXPECT_EQ(ParseCalibrationNumber("-3E2"), -300.0);
    EXPECT_FALSE(ParseCalibrationNumber("1.2.3"));
    EXPECT_FALSE(ParseCalibrationNumber(""));
    // A leading "+" is a number; what a 32-bit float cannot hold is not.
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"+1.5", 1.5}, {" +0,25 ", 0.25}, {"+-1", {}},  {"--1", {}},   {"nan", {}},
        {"inf", {}},   {"-inf", {}},      {"1e39", {}}, {"-1e39", {}}, {"1e400", {}},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseCalibrationNumber(text), value) << text;
}

TEST_F(CalibrationRecord, LargestFloatSurvivesASave) {
    {
        std::ofstream f(Folder() + "calib8.ini");
        f << "[CalibRTD1]\r\nGanho=3.4028234e38\r\nOffset=-3.4028234e38\r\n";
    }
    TCalibrationRecord record(Folder());
    record.Load(8);
    ASSERT_EQ(record.rtds[0].gain, std::numeric_limits<float>::max());
    ASSERT_TRUE(record.Save(8));
    TCalibrationRecord again(Folder());
    again.Load(8);
    EXPECT_EQ(again.rtds[0].gain, std::numeric_limits<float>::max());
    EXPECT_EQ(again.rtds[0].offset, -std::numeric_limits<float>::max());
}

TEST_F(CalibrationRecord, ValuesBeyondTheirTypeTakeTheirDefaults) {
    for (const char* res : {"1e12", "nan", "-3e9"}) {
        {
            std::ofstream f(Folder() + "calib9.ini");
            f << "[CalibSection]\nRes127=" << res << "\n[CalibRTD1]\nGanho=inf\nOffset=+2.5\n";
        }
        TCalibrationRecord record(Folder());
        record.Load(9);
        EXPECT_EQ(record.res127, 12700) << res;
        EXPECT_EQ(record.rtds[0].gain, 1.0f) << res;
        EXPECT_EQ(record.rtds[0].offset, 2.5f) << res;
        ASSERT_TRUE(record.Save(9));
        TIniDocument d;
        ASSERT_TRUE(d.Load(Folder() + "calib9.ini"));
        EXPECT_EQ(d.Value("CalibSection", "Res127"), "12700");
    }
}

} // namespace
