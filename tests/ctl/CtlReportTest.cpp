#include "CtlHarness.h"
#include "ReportPage.h"
#include "SimProcess.h"

#include "persistence/CalibrationRecord.h"
#include "persistence/DataFolder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class CtlReport : public ::testing::Test {
protected:
    void SetUp() override {
        // The client finds the calibration record in the data folder of this home.
        qputenv("HOME", home.path().toLocal8Bit());
        ASSERT_TRUE(sim.IsReady());
    }
    QStringList Tcp() const { return {"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.Port())}; }

    QTemporaryDir home;
    QTemporaryDir dir;
    TSimProcess sim{{"--model", "T", "--serial-number", "4242", "--hold-live"}};
};

TEST_F(CtlReport, WritesTheThermalReportWithItsCalibrationPoints) {
    TCalibrationRecord record(DataFolder());
    record.rtds[0].points = 2;
    record.rtds[0].x[0] = 100.0f, record.rtds[0].y[0] = 0.0f;
    record.rtds[0].x[1] = 138.5f, record.rtds[0].y[1] = 100.0f;
    ASSERT_TRUE(record.Save(4242));

    const QString file = dir.filePath("report.html");
    const TRun run = RunCtl(Tcp() << "report" << file);
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "saved\n");
    const TReportPage page = ParseReport(ReadAll(file));
    ASSERT_TRUE(page.wellFormed) << page.error.toStdString();
    EXPECT_EQ(page.identity.at("Serial number"), "4242");
    EXPECT_EQ(page.readings.size(), 21u); // six RTDs, three windings
    EXPECT_GT(page.conf.size(), 150u);
    ASSERT_EQ(page.calibration.size(), 1u);
    EXPECT_EQ(page.calibration[0].value(3), "(100; 0) (138.5; 100)");
}

TEST_F(CtlReport, RefusalsWriteNoFile) {
    const QString file = dir.filePath("report.html");
    const std::pair<QStringList, QString> kCases[] = {
        {Tcp() << "--family"
               << "2"
               << "report" << file,
         "refused: the device is QEL880-T"},
        {Tcp() << "report" << dir.filePath("missing/report.html"), "cannot write the report"},
    };
    for (const auto& [arguments, message] : kCases) {
        const TRun run = RunCtl(arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(file));
    }
}

} // namespace
