#include "SimProcess.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>

namespace {

// qel880ctl watch against the simulator, read line by line until the test interrupts it.
struct TWatch {
    explicit TWatch(const QStringList& arguments, const QStringList& simArguments = {})
        : sim(QStringList{"--model", "T", "--hold-live"} + simArguments) {
        ctl.start(QEL880CTL_PATH,
                  QStringList{"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.Port()), "watch"} + arguments);
    }
    QStringList Lines(int count) {
        WaitUntil(
            [&] {
                while (ctl.canReadLine())
                    lines << QString::fromLatin1(ctl.readLine()).trimmed();
                return lines.size() >= count;
            },
            8000);
        return lines;
    }
    int Interrupt() {
        ::kill(static_cast<pid_t>(ctl.processId()), SIGINT);
        if (!ctl.waitForFinished(5000))
            return -1;
        return ctl.exitStatus() == QProcess::NormalExit ? ctl.exitCode() : -1;
    }

    TSimProcess sim;
    QProcess ctl;
    QStringList lines;
};

TEST(CtlWatch, CsvRowsUntilInterrupted) {
    TWatch w({"510", "2", "--interval", "0.2", "--csv"});
    const QStringList lines = w.Lines(4);
    ASSERT_GE(lines.size(), 4) << lines.join(" | ").toStdString();
    EXPECT_EQ(lines[0], "time,510,511");
    const QRegularExpression row(R"(^(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d),(\d+),(\d+)$)");
    QDateTime previous;
    for (const QString& line : lines.mid(1, 3)) {
        const auto match = row.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        const QDateTime time = QDateTime::fromString(match.captured(1), Qt::ISODate);
        EXPECT_TRUE(time.isValid());
        EXPECT_LE(std::abs(time.secsTo(QDateTime::currentDateTime())), 10);
        if (previous.isValid()) {
            EXPECT_GE(time, previous);
        }
        previous = time;
        // The simulator holds its values: the oil's temperature and its Pt100 resistance.
        EXPECT_GT(match.captured(2).toInt(), 1500);
        EXPECT_GT(match.captured(3).toInt(), 1000);
    }
    EXPECT_EQ(w.Interrupt(), 0);
}

TEST(CtlWatch, PlainLinesAndALinkThatGoes) {
    TWatch w({"1500", "1"});
    const QStringList lines = w.Lines(1);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(QRegularExpression(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d \d+$)").match(lines[0]).hasMatch())
        << lines[0].toStdString();
    // The device goes away: the watch says so and ends with 1.
    w.sim.Stop();
    ASSERT_TRUE(w.ctl.waitForFinished(15000));
    EXPECT_EQ(w.ctl.exitCode(), 1);
    EXPECT_TRUE(
        QString::fromLocal8Bit(w.ctl.readAllStandardError()).contains("the link to the device is gone"));
}

// A device that stops answering, its link kept: the watch gives up after five unanswered samples
// and exits 1. Before, it printed "no reply" for ever and exited 0 at Ctrl+C.
TEST(CtlWatch, ADeviceThatStopsAnsweringEndsTheWatch) {
    TWatch w({"1500", "1", "--interval", "0.2"}, {"--silent-after", "2"});
    ASSERT_GE(w.Lines(1).size(), 1);
    ASSERT_TRUE(w.ctl.waitForFinished(60000));
    EXPECT_EQ(w.ctl.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(w.ctl.readAllStandardError());
    EXPECT_TRUE(err.endsWith("qel880ctl: the device does not answer\n")) << err.toStdString();
    EXPECT_EQ(err.count("no reply for register 1500"), 5);
}

// Ctrl+C while a sample waits for its reply ends the wait there, not at the 5 s time-out.
TEST(CtlWatch, AnInterruptEndsAWaitForAReply) {
    TWatch w({"1500", "1", "--interval", "0.2"}, {"--silent-after", "2"});
    ASSERT_GE(w.Lines(1).size(), 1);
    WaitUntil([] { return false; }, 2500); // a sample is now waiting for a reply that never comes
    QElapsedTimer stop;
    stop.start();
    EXPECT_EQ(w.Interrupt(), 0);
    EXPECT_LT(stop.elapsed(), 2000);
}

} // namespace
