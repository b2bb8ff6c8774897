#include "CtlHarness.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>

namespace {

// The simulator on both links; each case talks to it over TCP or over its pty.
struct TLinks {
    explicit TLinks(const QStringList& arguments) : sim(arguments) {}
    QStringList Tcp() const { return {"--tcp", QStringLiteral("127.0.0.1:%1").arg(sim.Port())}; }
    QStringList Serial() const { return {"--serial", sim.RtuPath()}; }
    TSimProcess sim;
};

QStringList Lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {"(no file)"};
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    EXPECT_EQ(lines.takeLast(), "") << "every line ends in CR LF";
    return lines;
}

QDateTime Stamp(const QString& line) {
    return QDateTime::fromString("20" + line.left(21).mid(6, 2) + line.left(6) + line.mid(8, 13),
                                 "yyyydd/MM/ HH:mm:ss:zzz");
}

TEST(CtlEvents, TheLogGoesToTheFileAsTheScreenWritesIt) {
    TLinks links({"--model", "T", "--events", "25", "--set", "1020=1", "--set", "1003=2"});
    QTemporaryDir dir;
    for (const QStringList& link : {links.Tcp(), links.Serial()}) {
        SCOPED_TRACE(link.front().toStdString());
        const QString path = dir.filePath(link.front().mid(2) + ".txt");
        const TRun run = RunCtl(link + QStringList{"events", path});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "25 events written to " + path + "\n");
        EXPECT_EQ(run.err, ""); // no progress when standard error is not a terminal
        const QStringList lines = Lines(path);
        ASSERT_EQ(lines.size(), 25);
        const QRegularExpression format(
            R"(^\d\d/\d\d/\d\d \d\d:\d\d:\d\d:\d{3}  Enr1: -?\d+\.\d RTD1: -?\d+\.\d RTD2: -?\d+\.\d Rele:( [01]){10}$)");
        // The newest first, fifteen minutes apart: blocks selected at 24, 14 and 4, read in order.
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(format.match(lines[i]).hasMatch()) << lines[i].toStdString();
            if (i > 0) {
                EXPECT_EQ(Stamp(lines[i]).secsTo(Stamp(lines[i - 1])), 15 * 60) << i;
            }
        }
    }
}

TEST(CtlEvents, ErasedAndEmptyLogs) {
    TLinks links({"--model", "T", "--events", "25"});
    QTemporaryDir dir;
    TRun run = RunCtl(links.Tcp() << "erase-events");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("needs --password"));
    run = RunCtl(links.Tcp() << "erase-events"
                             << "--password"
                             << "JUXT");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "events 0\n");
    run = RunCtl(links.Serial() << "events" << dir.filePath("empty.txt"));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QFile(dir.filePath("empty.txt")).size(), 0);
}

// A download cut short never replaces the file given: what was read goes beside it, so that a
// backup loop run twice on a day the device fails keeps the morning's file. Before, the file was
// replaced by the partial download, or by an empty one when nothing was read.
TEST(CtlEvents, ADownloadCutShortLeavesTheFileAndKeepsWhatWasRead) {
    // The connection closes on the second block's selector.
    TLinks links({"--model", "T", "--events", "25", "--close-on", "801=14"});
    QTemporaryDir dir;
    const QString path = dir.filePath("events.txt");
    QFile good(path);
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write("the morning's events\r\n");
    good.close();
    TRun run = RunCtl(links.Tcp() << "events" << path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qel880ctl: the download stopped after 10 of 25 events; " + path +
                           ".partial keeps what was read; " + path + " is untouched\n");
    EXPECT_EQ(Lines(path), QStringList({"the morning's events"}));
    EXPECT_EQ(Lines(path + ".partial").size(), 10);

    // Nothing read at all: the file stays, and the message names every register of the count.
    TLinks silent({"--model", "T", "--fail-register", "1020"});
    run = RunCtl(silent.Serial() << "events" << path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qel880ctl: no reply from the device reading the event count and what it has "
                       "fitted (registers 1800, 1020, 1003); " +
                           path + " is untouched\n");
    EXPECT_EQ(Lines(path), QStringList({"the morning's events"}));
}

// SIGTERM (or Ctrl+C) in the middle of a long download keeps what was read beside the file, as a
// download cut short does. Before, the process ended with nothing written.
TEST(CtlEvents, AnInterruptedDownloadKeepsWhatWasRead) {
    TLinks links({"--model", "T", "--events", "400", "--delay-ms", "40"});
    QTemporaryDir dir;
    const QString path = dir.filePath("events.txt");
    QProcess ctl;
    ctl.start(QEL880CTL_PATH, links.Tcp() << "events" << path);
    ASSERT_TRUE(ctl.waitForStarted());
    QThread::msleep(1500); // some blocks of ten are in
    ::kill(static_cast<pid_t>(ctl.processId()), SIGTERM);
    ASSERT_TRUE(ctl.waitForFinished(5000));
    EXPECT_EQ(ctl.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(ctl.readAllStandardError());
    const QRegularExpression said(
        "^qel880ctl: the download was interrupted after (\\d+) of 400 events; " +
        QRegularExpression::escape(path + ".partial keeps what was read; " + path + " is untouched") + "\n$");
    const auto match = said.match(err);
    ASSERT_TRUE(match.hasMatch()) << err.toStdString();
    EXPECT_GT(match.captured(1).toInt(), 0);
    EXPECT_EQ(Lines(path + ".partial").size(), match.captured(1).toInt());
    EXPECT_FALSE(QFile::exists(path));

    // Killed, it can say nothing, but the lines it had read are in the partial file already.
    QFile::remove(path + ".partial");
    ctl.start(QEL880CTL_PATH, links.Tcp() << "events" << path);
    ASSERT_TRUE(ctl.waitForStarted());
    QThread::msleep(1500);
    ctl.kill();
    ASSERT_TRUE(ctl.waitForFinished(5000));
    EXPECT_GE(Lines(path + ".partial").size(), 10);
    EXPECT_FALSE(QFile::exists(path));
}

// The record count only says how full the card is: all fifty records read make a complete file
// even when the count could not be read. Before, that said "FILE has no records" and exited 1.
TEST(CtlRecords, AnUnreadCountStillSavesEveryRecord) {
    TLinks links({"--model", "IRR", "--fail-register", "2912"});
    QTemporaryDir dir;
    const QString path = dir.filePath("records.txt");
    const TRun run = RunCtl(links.Serial() << "records" << path);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "50 records written to " + path + " (the record count could not be read)\n");
    EXPECT_EQ(Lines(path).size(), 51);
}

TEST(CtlRecords, AThermalMonitorHasNoRecordCard) {
    TLinks links({"--model", "T"});
    QTemporaryDir dir;
    const TRun run = RunCtl(links.Tcp() << "erase-records"
                                        << "--password"
                                        << "JUXT");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "qel880ctl: refused: the device is QEL880-T; erase-records is a command of the QEL880-IRR, "
              "nothing sent\n");
}

TEST(CtlEvents, ACommandOfAnotherFamilySendsNothing) {
    TLinks links({"--model", "IRR"});
    QTemporaryDir dir;
    const QString path = dir.filePath("events.txt");
    TRun run = RunCtl(links.Tcp() << "events" << path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qel880ctl: refused: the device is QEL880-IRR; events is a command of the QEL880-T, "
                       "nothing sent\n");
    EXPECT_FALSE(QFile::exists(path));
    run = RunCtl(links.Tcp() << "--family"
                             << "3"
                             << "maxima");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith("qel880ctl: maxima is a command of family 0, not of family 3\n"));
}

TEST(CtlRecords, TheCardGoesToTheFileAsTheScreenSavesIt) {
    TLinks links({"--model", "IRR", "--records", "70000"});
    QTemporaryDir dir;
    const QString path = dir.filePath("records.txt");
    TRun run = RunCtl(links.Serial() << "records" << path);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "50 records written to " + path + " (the card counts 70000)\n");
    const QStringList lines = Lines(path);
    ASSERT_EQ(lines.size(), 51);
    EXPECT_EQ(lines[0], QString::fromLatin1("Hora, Pluvi\xF4metro, Hidr\xF4metro, Temperatura, Press\xE3o"));
    // Record 3 has no temperature; record 5's water reading fills its whole field.
    EXPECT_TRUE(lines[4].contains(", ----- , ")) << lines[4].toStdString();
    EXPECT_TRUE(lines[6].contains(", 4294967295, ")) << lines[6].toStdString();
    const QRegularExpression format(
        R"(^\d\d/\d\d/\d{4} \d\d:\d\d:\d\d, [\d.]+, \d+, ([\d.]+, |----- , )[\d.]+$)");
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(format.match(lines[i]).hasMatch()) << lines[i].toStdString();

    run = RunCtl(links.Tcp() << "erase-records"
                             << "--password"
                             << "JUXT");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "records erased\n");
    run = RunCtl(links.Tcp() << "events" << dir.filePath("events.txt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qel880ctl: refused: the device is QEL880-IRR; events is a command of the QEL880-T, "
                       "nothing sent\n");
}

TEST(CtlMaxima, OneLinePerMaximumWithItsMoment) {
    TLinks links({"--model", "T", "--set", "701=250", "--set", "1710=26747", "--set", "1711=53221", "--set",
                  "1712=395"});
    const TRun run = RunCtl(links.Serial() << "maxima");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QString::fromUtf8("Wind 1 250 ºC 2023-11-14T22:13:20.123"));
    const QRegularExpression format(
        QString::fromUtf8(R"(^(Wind [1-3]|RTD [1-6]) \d+ ºC \d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}$)"));
    for (const QString& line : lines)
        EXPECT_TRUE(format.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(lines[8].startsWith("RTD 6 "));
}

TEST(CtlClock, SetAndReadBackOnEitherLink) {
    TLinks links({"--model", "R"}); // the regulator keeps its clock at 601
    for (const QStringList& link : {links.Tcp(), links.Serial()}) {
        SCOPED_TRACE(link.front().toStdString());
        TRun run = RunCtl(
            link + QStringList{"--family", "2", "clock", "set", "2025-02-28 23:59:50", "--password", "JUXT"});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "clock set 2025-02-28 23:59:50\n");
        run = RunCtl(link + QStringList{"--family", "2", "clock"});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        // The device clock runs on meanwhile.
        const QDateTime read = QDateTime::fromString(run.out.trimmed(), "yyyy-MM-dd HH:mm:ss");
        const QDateTime set(QDate(2025, 2, 28), QTime(23, 59, 50));
        EXPECT_GE(set.secsTo(read), 0) << run.out.toStdString();
        EXPECT_LE(set.secsTo(read), 5) << run.out.toStdString();
    }
    const TRun bad = RunCtl(links.Tcp() << "clock"
                                        << "set"
                                        << "2025-02-30 10:00:00"
                                        << "--password"
                                        << "JUXT");
    EXPECT_EQ(bad.status, 2);
}

TEST(CtlPassword, FourLettersOnlyAndTheCurrentOneFirst) {
    TLinks links({"--model", "T"});
    TRun run = RunCtl(links.Tcp() << "password"
                                  << "set"
                                  << "ABC"
                                  << "--password"
                                  << "JUXT");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith("qel880ctl: the new password must be four letters A..Z: \"ABC\"\n"));
    run = RunCtl(links.Tcp() << "password"
                             << "set"
                             << "wxyz"
                             << "--password"
                             << "ABCD");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qel880ctl: refused: wrong password\n");
    run = RunCtl(links.Serial() << "password"
                                << "set"
                                << "wxyz"
                                << "--password"
                                << "JUXT");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "password set\n");
    run = RunCtl(links.Tcp() << "read"
                             << "1600"
                             << "4");
    EXPECT_EQ(run.out, "1600 87\n1601 88\n1602 89\n1603 90\n");
}

} // namespace
