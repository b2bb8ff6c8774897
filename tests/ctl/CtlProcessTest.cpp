#include "BothLinkPeers.h"
#include "CtlHarness.h"
#include "FramedPeer.h"
#include "ModbusPeer.h"
#include "PtyPair.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTcpServer>
#include <QTemporaryDir>

#include <memory>

#include <unistd.h>

namespace {

const char* const kIdentity =
    "signature 23847\nfamily 0\nfirmware 1.2.6\nminimum-program 1.2.0\nserial 305419896\n";

class CtlOverTcp : public ::testing::Test {
protected:
    void SetUp() override { FillIdentity(peer.registers); }
    QStringList Link() const { return {"--tcp", QStringLiteral("localhost:%1").arg(peer.Port())}; }
    TFramedPeer peer;
};

TEST_F(CtlOverTcp, IdentifyAndRead) {
    TRun run = RunCtl(Link() << "identify");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kIdentity);

    peer.registers[65535] = 65535;
    run = RunCtl(Link() << "read"
                        << "65534"
                        << "2");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "65534 0\n65535 65535\n");

    // Family 1 asks with the bank bit and prints plain numbers.
    peer.registers[0x8000 + 1500] = 2;
    run = RunCtl(Link() << "--family"
                        << "1"
                        << "read"
                        << "1500");
    EXPECT_EQ(run.out, "1500 2\n");
}

TEST_F(CtlOverTcp, OptionsAfterTheCommand) {
    peer.registers[1500] = 3;
    const TRun run = RunCtl(QStringList{"read", "1500"} << Link());
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "1500 3\n");
}

TEST_F(CtlOverTcp, ChangesNeedTheRightPassword) {
    TRun run = RunCtl(Link() << "--password"
                             << " juxt "
                             << "write"
                             << "1760"
                             << "502"
                             << "503");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(peer.registers[1761], 503);

    run = RunCtl(Link() << "--password"
                        << "JUXT"
                        << "command"
                        << "100");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(peer.registers[3000], 100);

    const auto before = peer.requests.size();
    run = RunCtl(Link() << "--password"
                        << "ABCD"
                        << "write"
                        << "1500"
                        << "1");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("password"));
    EXPECT_EQ(peer.requests.size(), before + 1); // the password read only
    EXPECT_EQ(peer.registers[1500], 0);

    run = RunCtl(Link() << "command"
                        << "100");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(peer.requests.size(), before + 1); // refused before connecting
}

TEST_F(CtlOverTcp, DeviceFailures) {
    peer.writeReplyCount = 3;
    TRun run = RunCtl(Link() << "--password"
                             << "JUXT"
                             << "write"
                             << "1500"
                             << "1");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.startsWith("qel880ctl: ")) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1);

    peer.silent = true;
    run = RunCtl(Link() << "read"
                        << "1500");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CtlConnect, RefusedAndBadUsage) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const QString port = QString::number(closed.serverPort());
    closed.close();

    TRun run = RunCtl({"--tcp", "127.0.0.1:" + port, "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cannot connect")) << run.err.toStdString();

    run = RunCtl({"--serial", "/dev/qel880-no-such-port", "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("/dev/qel880-no-such-port"));

    run = RunCtl({"--tcp", "127.0.0.1", "write", "1", "70000"});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("usage"));
}

// A port the system refuses this user (a pty of mode 000) names the group that grants access; the
// same port once its mode lets the user in, and a missing port, do not.
TEST(CtlConnect, RefusedSerialPortNamesTheDialoutGroup) {
    TBothLinkPeers peers;
    ASSERT_TRUE(peers.IsReady());
    const QByteArray device = QFileInfo(peers.pty.ProgramEnd()).canonicalFilePath().toLocal8Bit();
    QTemporaryDir dir; // a way to the port that an unprivileged user may follow
    const QString port = dir.filePath("port");
    ASSERT_TRUE(OpenToEveryone(dir.path()) && QFile::link(QString::fromLocal8Bit(device), port));
    if (geteuid() == 0) {
        ASSERT_EQ(::chown(device.constData(), 65534, 65534), 0);
    }

    ASSERT_TRUE(QFile::setPermissions(QString::fromLocal8Bit(device), {}));
    TRun run = RunCtlUnprivileged({"--serial", port, "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cannot open serial port " + port + ": permission denied") &&
                run.err.contains("dialout group"))
        << run.err.toStdString();

    ASSERT_TRUE(QFile::setPermissions(QString::fromLocal8Bit(device),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    run = RunCtlUnprivileged({"--serial", port, "identify"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kIdentity);

    run = RunCtlUnprivileged({"--serial", "/dev/qel880-no-such-port", "identify"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("cannot open serial port /dev/qel880-no-such-port"));
    EXPECT_FALSE(run.err.contains("dialout")) << run.err.toStdString();
}

TEST(CtlUsage, HelpAndVersionOnStandardOutput) {
    TRun run = RunCtl({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("usage: qel880ctl")) << run.out.toStdString();
    EXPECT_TRUE(run.err.isEmpty());

    run = RunCtl({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.toStdString(), "qel880ctl " QEL880_PROJECT_VERSION "\n");
}

TEST(CtlOverRtu, IdentifyReadWriteCommand) {
    TPtyPair pty;
    ASSERT_TRUE(pty.IsReady());
    TModbusPeer peer(pty.DeviceEnd().toLocal8Bit().constData(), 19200, 'O', 1, 5);
    ASSERT_TRUE(peer.IsReady());
    std::map<std::uint16_t, std::uint16_t> regs;
    FillIdentity(regs);
    for (auto [reg, value] : regs)
        peer.SetRegister(reg, value);
    const QStringList link{"--serial", pty.ProgramEnd(), "--baud", "19200", "--format",
                           "8O1",      "--address",      "5"};

    TRun run = RunCtl(QStringList(link) << "identify");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, kIdentity);

    run = RunCtl(QStringList(link) << "read"
                                   << "1990"
                                   << "200"); // more than one RTU read
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.count('\n'), 200);
    EXPECT_TRUE(run.out.contains("\n2002 23847\n"));

    run = RunCtl(QStringList(link) << "--password"
                                   << "juxt"
                                   << "write"
                                   << "1702"
                                   << "8080");
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(peer.Register(1702), 8080);

    run = RunCtl(QStringList(link) << "--password"
                                   << "juxt"
                                   << "command"
                                   << "100");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(peer.Register(3000), 100);
}

// Peers that hold every register, so that a write can go anywhere in 0..65535.
class CtlWrite : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(peers.IsReady()); }
    std::vector<QStringList> Links() const {
        return {peers.Tcp() << "--password"
                            << "JUXT",
                peers.Rtu() << "--password"
                            << "JUXT"};
    }
    TBothLinkPeers peers;
};

TEST_F(CtlWrite, RegistersOutsideTheFamilyMapAreConfirmedByTheirReadBack) {
    for (const QStringList& link : Links()) {
        SCOPED_TRACE(link.front().toStdString());
        const TRun run = RunCtl(QStringList(link) << "write"
                                                  << "11"
                                                  << "5"
                                                  << "6");
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(RunCtl(QStringList(link) << "read"
                                           << "11"
                                           << "2")
                      .out.toStdString(),
                  "11 5\n12 6\n");
    }
}

TEST_F(CtlWrite, LongRunsAreSentInPieces) {
    QStringList values;
    QString expected;
    for (int i = 0; i < 300; ++i) {
        values << QString::number(7000 + i);
        expected += QStringLiteral("%1 %2\n").arg(5000 + i).arg(7000 + i);
    }
    for (const QStringList& link : Links()) {
        SCOPED_TRACE(link.front().toStdString());
        const TRun run = RunCtl(QStringList(link) << "write"
                                                  << "5000" << values);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(RunCtl(QStringList(link) << "read"
                                           << "5000"
                                           << "300")
                      .out.toStdString(),
                  expected.toStdString());
    }
}

} // namespace

namespace {

TEST(CtlAgainstSimulator, IdentifiesOverBothLinks) {
    for (const auto& [model, family] : {std::pair{"T", "0"}, {"P", "1"}, {"IRR", "3"}}) {
        TSimProcess sim({"--model", model, "--serial-number", "4242"});
        ASSERT_TRUE(sim.IsReady());
        for (const QStringList& link :
             {QStringList{"--serial", sim.RtuPath()},
              QStringList{"--tcp", QStringLiteral("localhost:%1").arg(sim.Port())}}) {
            const TRun run = RunCtl(QStringList(link) << "--family" << family << "identify");
            EXPECT_EQ(run.status, 0) << model << ": " << run.err.toStdString();
            EXPECT_TRUE(run.out.contains(QStringLiteral("family %1\n").arg(family))) << run.out.toStdString();
            EXPECT_TRUE(run.out.endsWith("serial 4242\n"));
        }
    }
}

// A measurement keeps its value: RTU echoes the write, the framed reply counts it refused.
TEST(CtlAgainstSimulator, AWriteTheDeviceKeepsOutIsNotConfirmed) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    for (const QStringList& link : {QStringList{"--serial", sim.RtuPath()},
                                    QStringList{"--tcp", QStringLiteral("localhost:%1").arg(sim.Port())}}) {
        const TRun run = RunCtl(QStringList(link) << "--password"
                                                  << "JUXT"
                                                  << "write"
                                                  << "501"
                                                  << "12345");
        EXPECT_EQ(run.status, 1) << link.front().toStdString();
        EXPECT_TRUE(run.err.contains("501")) << run.err.toStdString();
    }
}

} // namespace

namespace {

QStringList FileLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    lines.removeIf([](const QString& line) { return line.startsWith("DateTimeGenerated="); });
    return lines;
}

TEST(CtlAgainstSimulator, SaveAndLoadConfigurationsOfEveryFamily) {
    const std::tuple<const char*, const char*, const char*> kFamilies[] = {
        {"T", "0", "5"}, {"P", "1", "22"}, {"R", "2", "21"}, {"IRR", "3", "31"}, {"C", "4", "701"}};
    QTemporaryDir dir;
    for (const auto& [model, family, setting] : kFamilies) {
        SCOPED_TRACE(model);
        TSimProcess first({"--model", model});
        TSimProcess second({"--model", model});
        ASSERT_TRUE(first.IsReady() && second.IsReady());
        const QStringList tcp{"--tcp", QStringLiteral("localhost:%1").arg(first.Port()), "--family", family};
        const QStringList rtu{"--serial", second.RtuPath(), "--family", family, "--password", "JUXT"};
        const QString saved = dir.filePath(QStringLiteral("%1.conf").arg(model));
        const QString again = dir.filePath(QStringLiteral("%1-again.conf").arg(model));

        EXPECT_EQ(RunCtl(QStringList(tcp) << "--password"
                                          << "JUXT"
                                          << "write" << setting << "44")
                      .status,
                  0);
        TRun run = RunCtl(QStringList(tcp) << "save-conf" << saved);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "saved\n");
        run = RunCtl(QStringList(rtu) << "load-conf" << saved);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, "loaded\n");
        EXPECT_EQ(RunCtl(QStringList(rtu) << "save-conf" << again).status, 0);
        EXPECT_EQ(FileLines(again), FileLines(saved));
        const QStringList lines = FileLines(saved);
        EXPECT_TRUE(
            std::any_of(lines.begin(), lines.end(), [](const QString& l) { return l.endsWith("=44"); }));
    }
    // A file of another family is refused before anything is written.
    TSimProcess regulator({"--model", "R"});
    ASSERT_TRUE(regulator.IsReady());
    const TRun run = RunCtl({"--serial", regulator.RtuPath(), "--family", "2", "--password", "JUXT",
                             "load-conf", dir.filePath("T.conf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.endsWith("not a configuration file of family 2, nothing written\n"))
        << run.err.toStdString();
}

// A device that does not answer the network ports' register is no device without them: the
// save, load and comparison fail, and nothing is written. Before, one silent read dropped
// IpPortModBus and IpPortDNP3 from the saved file and the commands exited 0.
TEST(CtlProcess, AnUnansweredNetworkPortsRegisterFailsTheFileCommands) {
    QTemporaryDir dir;
    const QString file = dir.filePath("T.conf");
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    ASSERT_EQ(RunCtl({"--serial", sim.RtuPath(), "save-conf", file}).status, 0);
    for (const char* command : {"save-conf", "load-conf", "diff-conf"}) {
        SCOPED_TRACE(command);
        TSimProcess silent({"--model", "T", "--drop-first", "1704"});
        ASSERT_TRUE(silent.IsReady());
        const QString target = QString::fromLatin1(command) == "save-conf" ? dir.filePath("new.conf") : file;
        const TRun run = RunCtl({"--serial", silent.RtuPath(), "--password", "JUXT", command, target});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "qel880ctl: no reply from the device reading register 1704 (network ports)\n");
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("new.conf")));
}

} // namespace
