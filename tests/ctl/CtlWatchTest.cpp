#include "SimProcess.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>

#include <csignal>

namespace {

// qel880ctl watch against the simulator, read line by line until the test interrupts it.
struct TWatch {
    explicit TWatch(const QStringList& arguments) {
        ctl.start(QEL880CTL_PATH, QStringList{"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.Port()), "watch"} +
                                      arguments);
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

    TSimProcess sim{{"--model", "T", "--hold-live"}};
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
    EXPECT_TRUE(QString::fromLocal8Bit(w.ctl.readAllStandardError()).contains("the link to the device is gone"));
}

} // namespace
