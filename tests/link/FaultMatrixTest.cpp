// Every simulator fault against both links and the five kinds of operation: each cell says whether
// the operation survives or fails, within what time, and whether the device must be left as it was.
#include "FramedClient.h"
#include "ModbusClient.h"
#include "SimProcess.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>

namespace {

enum class TOp { Read, Write, Command, Save, Load };
enum class TLinkKind { Rtu, Tcp };

constexpr const char* kOpNames[] = {"read", "write", "command", "save", "load"};
constexpr int kSetPoint5 = 5;
constexpr std::uint16_t kSetPoint5Start = 80; // the simulator's relay 5 set point
constexpr std::uint16_t kSetPoint5InFile = 77;

struct TCell {
    TOp op;
    bool survives;
    double maxSeconds;    // for a failure: it is reported within this time
    bool deviceUnchanged; // the load's setting must not have reached the device
};

struct TRow {
    const char* name;
    QStringList faults;
    TLinkKind link;
    std::vector<TCell> cells;
};

// Outcome shorthands: RTU waits 2 s for a reply (after 150 ms past a write), the framed link 5 s.
TCell Ok(TOp op) {
    return {op, true, 0, false};
}
TCell Fails(TOp op, double seconds, bool unchanged = false) {
    return {op, false, seconds, unchanged};
}

std::vector<TCell> AllSurvive() {
    return {Ok(TOp::Read), Ok(TOp::Write), Ok(TOp::Command), Ok(TOp::Save), Ok(TOp::Load)};
}

const TRow kRows[] = {
    {"none", {}, TLinkKind::Rtu, AllSurvive()},
    {"none", {}, TLinkKind::Tcp, AllSurvive()},
    // Every second reply lost: the first exchange of each operation is answered, the second is not.
    {"drop",
     {"--drop-every", "2"},
     TLinkKind::Rtu,
     {Ok(TOp::Read), Fails(TOp::Write, 3), Ok(TOp::Command), Fails(TOp::Save, 3), Fails(TOp::Load, 3, true)}},
    {"drop",
     {"--drop-every", "2"},
     TLinkKind::Tcp,
     {Ok(TOp::Read), Fails(TOp::Write, 6), Ok(TOp::Command), Fails(TOp::Save, 6), Fails(TOp::Load, 6, true)}},
    {"delay", {"--delay-ms", "60"}, TLinkKind::Rtu, AllSurvive()},
    {"delay", {"--delay-ms", "60"}, TLinkKind::Tcp, AllSurvive()},
    // A spoiled CRC is refused as soon as the reply is in; the framed link has no CRC.
    {"corrupt-crc",
     {"--corrupt-crc-every", "2"},
     TLinkKind::Rtu,
     {Ok(TOp::Read), Fails(TOp::Write, 1), Ok(TOp::Command), Fails(TOp::Save, 1), Fails(TOp::Load, 1, true)}},
    {"corrupt-crc", {"--corrupt-crc-every", "2"}, TLinkKind::Tcp, AllSurvive()},
    {"split", {"--split"}, TLinkKind::Rtu, AllSurvive()},
    {"split", {"--split"}, TLinkKind::Tcp, AllSurvive()},
    // Bytes before every reply: the framed receiver skips them; an RTU reply is then not a reply.
    {"stray-bytes",
     {"--stray-bytes"},
     TLinkKind::Rtu,
     {Fails(TOp::Read, 1), Fails(TOp::Write, 1), Fails(TOp::Command, 3), Fails(TOp::Save, 1),
      Fails(TOp::Load, 1, true)}},
    {"stray-bytes", {"--stray-bytes"}, TLinkKind::Tcp, AllSurvive()},
    // A write without echo is confirmed by its read-back; a command has only its echo.
    {"no-echo",
     {"--no-echo"},
     TLinkKind::Rtu,
     {Ok(TOp::Read), Ok(TOp::Write), Fails(TOp::Command, 3), Ok(TOp::Save), Ok(TOp::Load)}},
    {"no-echo", {"--no-echo"}, TLinkKind::Tcp, AllSurvive()},
    {"close", {"--close-after", "1"}, TLinkKind::Rtu, AllSurvive()},
    {"close",
     {"--close-after", "1"},
     TLinkKind::Tcp,
     {Ok(TOp::Read), Fails(TOp::Write, 1), Ok(TOp::Command), Fails(TOp::Save, 1), Fails(TOp::Load, 1, true)}},
    // Register 1500 (written by the write, read by every refresh) fails: an exception over RTU,
    // no reply at all over the framed link.
    {"fail-register",
     {"--fail-register", "1500"},
     TLinkKind::Rtu,
     {Ok(TOp::Read), Fails(TOp::Write, 1), Ok(TOp::Command), Fails(TOp::Save, 1), Fails(TOp::Load, 1, true)}},
    {"fail-register",
     {"--fail-register", "1500"},
     TLinkKind::Tcp,
     {Ok(TOp::Read), Fails(TOp::Write, 6), Ok(TOp::Command), Fails(TOp::Save, 6), Fails(TOp::Load, 6, true)}},
};

void PrintTo(const TRow& row, std::ostream* os) {
    *os << row.name << (row.link == TLinkKind::Rtu ? " rtu" : " tcp");
}

// A register of the simulated device, looked at from outside through whichever link answers.
std::optional<std::uint16_t> Peek(const TSimProcess& sim, int reg) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        TFramedClient tcp;
        if (tcp.Connect(sim.Port())) {
            if (const auto reply = tcp.Read({static_cast<std::uint16_t>(reg)}, 800);
                reply && reply->values.contains(static_cast<std::uint16_t>(reg)))
                return reply->values.at(static_cast<std::uint16_t>(reg));
        }
        TModbusClient rtu(sim.RtuPath().toStdString(), 1, 800);
        if (const auto values = rtu.Read(reg, 1))
            return values->front();
    }
    return std::nullopt;
}

class FaultMatrix : public ::testing::TestWithParam<TRow> {
protected:
    // The file the loads use: a fault-free device's own settings with one set point changed.
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        TSimProcess sim({"--model", "T"});
        ASSERT_TRUE(sim.IsReady());
        TEquipComm session;
        ASSERT_TRUE(Connect(session, sim, TLinkKind::Tcp));
        ASSERT_TRUE(RefreshConfiguration(session));
        session.StoreRegister(kSetPoint5, kSetPoint5InFile);
        ASSERT_TRUE(ConfFile::SaveConfFile(session, LoadFile()));
    }
    static void TearDownTestSuite() { delete dir_; }
    static std::string LoadFile() { return dir_->filePath("load.conf").toStdString(); }

    static bool Connect(TEquipComm& session, const TSimProcess& sim, TLinkKind link) {
        session.SetFamily(0);
        session.SetNetworkPortFlag(true); // known of this device; reading it would spend an exchange
        if (link == TLinkKind::Rtu)
            return session.OpenSerial(sim.RtuPath(), TLineSettings{}, true);
        return session.OpenTcp("127.0.0.1", "", sim.Port()) &&
               WaitUntil([&] { return session.IsConnected(); });
    }

    static bool Run(TEquipComm& session, TOp op, const std::string& savePath) {
        switch (op) {
        case TOp::Read:
            return session.ReadRegisters(2002, 1) && session.FetchRegister(2002) == 23847;
        case TOp::Write:
            return session.WriteRegister(1500, 2);
        case TOp::Command:
            return session.SendCommand(100);
        case TOp::Save:
            return RefreshConfiguration(session) && ConfFile::SaveConfFile(session, savePath);
        case TOp::Load: {
            int error = 0;
            return RefreshConfiguration(session) && ConfFile::LoadConfFile(session, LoadFile(), error);
        }
        }
        return false;
    }

    static QTemporaryDir* dir_;
};

QTemporaryDir* FaultMatrix::dir_ = nullptr;

TEST_P(FaultMatrix, EachOperationAsTheTableSays) {
    const TRow& row = GetParam();
    const char* link = row.link == TLinkKind::Rtu ? "rtu" : "tcp";
    for (const TCell& cell : row.cells) {
        const char* op = kOpNames[static_cast<int>(cell.op)];
        SCOPED_TRACE(std::string(row.name) + " " + link + " " + op);
        // A fresh device per cell, so that every fault counts from the cell's first exchange.
        TSimProcess sim(QStringList{"--model", "T"} + row.faults);
        ASSERT_TRUE(sim.IsReady());
        TEquipComm session;
        ASSERT_TRUE(Connect(session, sim, row.link));
        const std::string savePath = dir_->filePath(QString("%1-%2.conf").arg(row.name, link)).toStdString();
        QElapsedTimer elapsed;
        elapsed.start();
        const bool survived = Run(session, cell.op, savePath);
        const double seconds = elapsed.elapsed() / 1000.0;
        std::printf("%-14s %-4s %-8s expected %-8s got %-8s %6.2f s\n", row.name, link, op,
                    cell.survives ? "survived" : "failed", survived ? "survived" : "failed", seconds);
        EXPECT_EQ(survived, cell.survives);
        if (!cell.survives) {
            EXPECT_LE(seconds, cell.maxSeconds);
            if (cell.op == TOp::Save) {
                EXPECT_FALSE(QFile::exists(QString::fromStdString(savePath))); // no half-read file
            }
        }
        if (cell.op == TOp::Load) {
            EXPECT_EQ(Peek(sim, kSetPoint5), cell.deviceUnchanged ? kSetPoint5Start : kSetPoint5InFile);
        }
        QFile::remove(QString::fromStdString(savePath));
    }
}

INSTANTIATE_TEST_SUITE_P(AllFaults, FaultMatrix, ::testing::ValuesIn(kRows), [](const auto& param) {
    std::string name = std::string(param.param.name) + (param.param.link == TLinkKind::Rtu ? "_rtu" : "_tcp");
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

} // namespace
