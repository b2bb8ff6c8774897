#include "ReportPage.h"
#include "SimProcess.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "model/LiveReadings.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/CommissioningReport.h"
#include "persistence/ConfFile.h"
#include "persistence/Cp1252.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

struct TReportCase {
    const char* model;
    int family;
    QStringList simArguments;
    // Two readings the simulator holds still, by their English name, as the report must show them.
    std::pair<QString, QString> readings[2];
};

void PrintTo(const TReportCase& c, std::ostream* out) {
    *out << c.model;
}

const TReportCase kCases[] = {
    // The measurement test mode: the monitor measures typed values.
    {"T",
     0,
     {"--set", "2150=1", "--set", "2152=1300", "--set", "2157=250"},
     {{"RTD resistance 2", "130.0"}, {"Winding current 1", "2.50"}}},
    {"P",
     1,
     {"--set", "502=9", "--set", "1961=5"},
     {{"Current position", "9"}, {"Configuration error", "5"}}},
    {"R", 2, {"--tap", "7", "--commutations", "3"}, {{"Current position", "7"}, {"Commutations", "3"}}},
    // A temperature of 65535 is no sensor; the Wi-Fi name carries markup and a control character.
    {"IRR",
     3,
     {"--rain", "123", "--temperature", "65535", "--set", "1720=9788", "--set", "1721=1"},
     {{"Rain gauge", "12.3"}, {"Temperature", "-----"}}},
    // A measurement kind from 2 on has no position to indicate.
    {"C", 4, {"--set", "1015=5", "--set", "707=2"}, {{"Position", "5"}, {"Indication", "-----"}}},
};

// The "key=value" lines of a saved configuration file.
std::vector<std::pair<QString, QString>> FileKeys(const QString& path) {
    QFile file(path);
    std::vector<std::pair<QString, QString>> keys;
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString text = Cp1252::ToUnicode(line.trimmed().toStdString());
        if (!text.startsWith('[') && text.contains('='))
            keys.emplace_back(text.section('=', 0, 0), text.section('=', 1));
    }
    return keys;
}

class CommissioningReportOf : public ::testing::TestWithParam<TReportCase> {
protected:
    void Connect(const TReportCase& c) {
        sim = std::make_unique<TSimProcess>(
            QStringList{"--model", c.model, "--serial-number", "4242", "--firmware", "1.3.5", "--hold-live"} +
            c.simArguments);
        ASSERT_TRUE(sim->IsReady());
        session.SetFamily(c.family);
        ASSERT_TRUE(session.OpenTcp("127.0.0.1", "", sim->Port()));
        ASSERT_TRUE(WaitUntil([&] { return session.IsConnected(); }));
        session.SetNetworkPortFlag(session.ReadRegisters(1704, 1));
    }

    std::unique_ptr<TSimProcess> sim;
    TEquipComm session;
    QTemporaryDir dir;
};

TEST_P(CommissioningReportOf, HoldsIdentityEveryKeyOfItsFileAndItsReadings) {
    const TReportCase& c = GetParam();
    Connect(c);
    ASSERT_TRUE(CommissioningReport::Read(session));
    const std::string html = CommissioningReport::Html(session, {1, QDateTime::currentDateTime(), nullptr});
    const TReportPage page = ParseReport(QString::fromStdString(html));
    ASSERT_TRUE(page.wellFormed) << page.error.toStdString();

    EXPECT_EQ(page.identity.at("Serial number"), "4242");
    EXPECT_EQ(page.identity.at("Firmware version"), "1.3.5");
    EXPECT_EQ(page.identity.at("IP address"), "192.168.0.50");
    EXPECT_TRUE(page.title.endsWith(c.model)) << page.title.toStdString();

    // The same keys and values as a configuration file saved from the same image.
    const QString saved = dir.filePath("saved.conf");
    ASSERT_TRUE(ConfFile::SaveConfFile(session, saved.toStdString()));
    const auto keys = FileKeys(saved);
    ASSERT_GT(keys.size(), 20u);
    ASSERT_EQ(page.conf.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const auto& [key, value] = keys[i];
        EXPECT_EQ(page.conf[i].first, key);
        QString expected = value;
        // Never a password, not even scrambled: the device's nor its Wi-Fi network's.
        if (key == "Senha" || key == "WifiPass")
            expected = "(hidden)";
        if (key == "WifiSsid")
            expected = QString("<&") + QChar(0xFFFD);
        if (key == "DateTimeGenerated")
            expected = page.conf[i].second; // the time of each, a moment apart
        EXPECT_EQ(page.conf[i].second, expected) << key.toStdString();
    }

    const auto& table = LiveReadings::Of(c.family, false);
    ASSERT_EQ(page.readings.size(), table.size());
    for (const auto& [name, value] : c.readings) {
        const auto row = std::find_if(page.readings.begin(), page.readings.end(),
                                      [&](const QStringList& r) { return r.value(0) == name; });
        ASSERT_NE(row, page.readings.end()) << name.toStdString();
        EXPECT_EQ(row->value(1), value) << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Families, CommissioningReportOf, ::testing::ValuesIn(kCases));

TEST_F(CommissioningReportOf, ThermalListsTheCalibrationPointsWhenTheRecordHasThem) {
    Connect(kCases[0]);
    ASSERT_TRUE(CommissioningReport::Read(session));
    TCalibrationRecord record(dir.path().toStdString() + "/");
    const auto calibration = [&] {
        return ParseReport(QString::fromStdString(
            CommissioningReport::Html(session, {0, QDateTime::currentDateTime(), &record})));
    };
    const TReportPage empty = calibration();
    EXPECT_TRUE(empty.calibration.empty());
    EXPECT_TRUE(empty.title.startsWith("Relatório de comissionamento")) << empty.title.toStdString();

    record.rtds[1].points = 2;
    record.rtds[1].gain = 1.25f;
    record.rtds[1].x[0] = 100.0f, record.rtds[1].y[0] = 0.5f;
    record.rtds[1].x[1] = 138.5f, record.rtds[1].y[1] = 100.0f;
    record.currentOutputs[3].lowRange.points = 1;
    record.currentOutputs[3].lowRange.x[0] = 1.5f, record.currentOutputs[3].lowRange.y[0] = 2500.0f;
    const TReportPage page = calibration();
    ASSERT_TRUE(page.wellFormed) << page.error.toStdString();
    ASSERT_EQ(page.calibration.size(), 2u);
    EXPECT_EQ(page.calibration[0], (QStringList{"RTD 2", "1.25", "0", "(100; 0.5) (138.5; 100)"}));
    EXPECT_EQ(page.calibration[1], (QStringList{"Saída de corrente 0-1,5 mA (4)", "1", "0", "(1.5; 2500)"}));
}

} // namespace
