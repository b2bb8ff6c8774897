#include "BothLinkPeers.h"
#include "CtlHarness.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>

namespace {

// A configuration file saved from the peers' device: a load then writes exactly the keys a test
// changes in that file.
class CtlLoadConf : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(peers.IsReady());
        const TRun saved = RunCtl(peers.Tcp() << "save-conf" << Saved());
        ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
    }

    QString Saved() const { return dir.filePath("saved.conf"); }

    // The saved file with "Key=value" lines replaced (an empty value drops the line).
    QString Edited(const std::map<QString, QString>& changes) {
        QFile in(Saved());
        if (!in.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromLatin1(in.readAll()).split("\r\n");
        for (const auto& [key, value] : changes) {
            for (QString& line : lines) {
                if (line.startsWith(key + "="))
                    line = value.isEmpty() ? QString() : key + "=" + value;
            }
        }
        lines.removeAll(QString());
        const QString path = dir.filePath(QStringLiteral("edited%1.conf").arg(++edits));
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return {};
        out.write(lines.join("\r\n").toLatin1() + "\r\n");
        return path;
    }

    // Write requests either peer has received.
    int Writes() {
        const auto rtuRequests = peers.rtu->Requests();
        return static_cast<int>(
            std::count_if(peers.framed.requests.begin(), peers.framed.requests.end(),
                          [](const TFramedPeer::TRequest& r) { return r.command == 10; }) +
            std::count_if(rtuRequests.begin(), rtuRequests.end(), [](const std::vector<std::uint8_t>& r) {
                return r.at(1) == 0x06 || r.at(1) == 0x10;
            }));
    }

    QTemporaryDir dir;
    TBothLinkPeers peers;
    int edits = 0;
};

TEST_F(CtlLoadConf, RefusalsSayWhyAndThatNothingWasWritten) {
    QFile text(dir.filePath("notes.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("set points: 60, 65, 70\n");
    text.close();
    const std::pair<QString, const char*> kCases[] = {
        {dir.filePath("absent.conf"), "file not found, nothing written"},
        {text.fileName(), "not a configuration file of family 0, nothing written"},
        {Edited({{"Language", "70000"}}),
         "key GeneralConf/Language: value 70000 out of range, nothing written"},
        {Edited({{"SetPointRTD1", "44"}, {"IpPort", ""}, {"Retardo2", ""}}),
         "key GeneralConf/IpPort is missing"},
    };
    for (const QStringList& link : {peers.Tcp(), peers.Rtu()}) {
        for (const auto& [file, message] : kCases) {
            SCOPED_TRACE(link.front().toStdString() + " " + message);
            const int writes = Writes();
            const TRun run = RunCtl(QStringList(link) << "--password"
                                                      << "JUXT"
                                                      << "load-conf" << file);
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains("nothing written")) << run.err.toStdString();
            EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_EQ(Writes(), writes);
        }
    }
}

TEST_F(CtlLoadConf, MissingKeysTakeTheirDefaultsWhenAsked) {
    const QString file = Edited({{"IpPort", ""}});
    for (const QStringList& link : {peers.Tcp(), peers.Rtu()}) {
        SCOPED_TRACE(link.front().toStdString());
        const TRun run = RunCtl(QStringList(link) << "load-conf" << file << "--defaults-for-missing"
                                                  << "--password"
                                                  << "JUXT");
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out.toStdString(), "loaded\n");
    }
    EXPECT_EQ(peers.framed.registers[1702], 43101);
    EXPECT_EQ(peers.rtu->Register(1702), 43101);
}

// Over RTU every setting is confirmed as it goes: the load stops at the first the device fails.
TEST_F(CtlLoadConf, StopsAtTheFailedRegisterSayingHowManyWereWritten) {
    const QString file = Edited({{"Language", "1"}, {"IpPort", "8080"}});
    // Once the language is written, reading the port back gets an exception.
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (const auto& request : peers.rtu->Requests()) {
            if (request.at(1) == 0x06 && request.at(2) == 1500 >> 8 && request.at(3) == (1500 & 0xFF))
                peers.rtu->SetExceptionRegister(1702);
        }
    });
    watch.start(5);
    const TRun run = RunCtl(QStringList(peers.Rtu()) << "--password"
                                                     << "JUXT"
                                                     << "load-conf" << file);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith("stopped at register 1702 after writing 1 setting\n"))
        << run.err.toStdString();
    EXPECT_EQ(peers.rtu->Register(1500), 1);
}

// Over TCP the settings go out together at the end: a refusal there may leave any of them written.
TEST_F(CtlLoadConf, AnUnconfirmedFinalBatchIsReported) {
    peers.framed.writeReplyCount = 1;
    const TRun run =
        RunCtl(QStringList(peers.Tcp()) << "--password"
                                        << "JUXT"
                                        << "load-conf" << Edited({{"Language", "1"}, {"IpPort", "8080"}}));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("did not confirm")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("2 settings")) << run.err.toStdString();
}

} // namespace

namespace {

TEST_F(CtlLoadConf, DiffListsWhatALoadWouldChangeAndWritesNothing) {
    for (const QStringList& link : {peers.Tcp(), peers.Rtu()}) {
        SCOPED_TRACE(link.front().toStdString());
        const int writes = Writes();
        TRun run = RunCtl(QStringList(link) << "diff-conf" << Saved());
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "");
        run = RunCtl(QStringList(link) << "diff-conf" << Edited({{"SetPointRTD1", "44"}, {"Language", "2"}}));
        EXPECT_EQ(run.status, 3) << run.err.toStdString();
        EXPECT_EQ(run.out.split('\n', Qt::SkipEmptyParts),
                  QStringList({"GeneralConf Language 0 2", "ConfRele SetPointRTD1 0 44"}));
        run = RunCtl(QStringList(link) << "diff-conf" << Edited({{"DeviceSignature", "10146"}}));
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("not a configuration file of family 0, nothing written"))
            << run.err.toStdString();
        EXPECT_EQ(Writes(), writes);
    }
}

} // namespace
