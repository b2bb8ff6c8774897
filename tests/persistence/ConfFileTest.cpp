#include "FramedPeer.h"
#include "ModbusPeer.h"
#include "PtyPair.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"
#include "persistence/PasswordScramble.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// "Section/Key" for every key of a saved file, in order.
std::vector<std::string> KeyOrder(const std::string& path) {
    std::vector<std::string> keys;
    std::string section;
    for (const std::string& line : ReadLines(path)) {
        if (line.starts_with('['))
            section = line.substr(1, line.size() - 2);
        else
            keys.push_back(section + "/" + line.substr(0, line.find('=')));
    }
    return keys;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

TEST(ConfFileSave, KeyOrderOfEveryFamily) {
    QTemporaryDir dir;
    for (int family = 0; family < 5; ++family) {
        SCOPED_TRACE(family);
        TEquipComm session;
        session.SetFamily(family);
        session.SetNetworkPortFlag(true);
        const std::string path = dir.filePath("f.conf").toStdString();
        ASSERT_TRUE(ConfFile::SaveConfFile(session, path));
        EXPECT_EQ(KeyOrder(path),
                  ReadLines(std::string(QEL880_FIXTURES) + "/family" + std::to_string(family) + ".keys"));
    }
}

TEST(ConfFileSave, ValuesAsTheFileHoldsThem) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("t.conf").toStdString();
    TEquipComm session;
    session.StoreRegister(1701, 0xC0A8);
    session.StoreRegister(1700, 0x0032);
    session.StoreRegister(1703, 502);
    for (int i = 0; i < 4; ++i)
        session.StoreRegister(1600 + i, static_cast<std::uint16_t>("JUXT"[i]));
    ASSERT_TRUE(ConfFile::SaveConfFile(session, path));
    const auto lines = ReadLines(path);
    auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_TRUE(has("IpAddr=-1062731726"));
    EXPECT_TRUE(has("Senha=" + std::to_string(PasswordScramble::Pack("JUXT"))));
    EXPECT_FALSE(has("IpPortModBus=502")); // the network-port flag is clear
    EXPECT_EQ(ConfFile::FormatDateTimeGenerated(46365.5), "46365.5");
    EXPECT_EQ(ConfFile::FormatDateTimeGenerated(46365.123456789012345), "46365.123456789");

    EXPECT_FALSE(ConfFile::SaveConfFile(session, dir.filePath("no/such/folder.conf").toStdString()));
}

TEST(PasswordScramble, RoundTripAndLetters) {
    EXPECT_EQ(PasswordScramble::Unpack(PasswordScramble::Pack("QWER")), "QWER");
    EXPECT_EQ(PasswordScramble::UnpackLetters(PasswordScramble::Pack("ABCZ")), "ABCZ");
    EXPECT_FALSE(PasswordScramble::UnpackLetters(PasswordScramble::Pack("AB1Z")));
    EXPECT_FALSE(PasswordScramble::UnpackLetters(0));
}

// Loads against a libmodbus slave that records every request.
class ConfFileLoad : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsReady());
        peer = std::make_unique<TModbusPeer>(pty.DeviceEnd().toLocal8Bit().constData(), 9600, 'N', 1);
        ASSERT_TRUE(peer->IsReady());
    }

    void Open(int family) {
        session.SetFamily(family);
        ASSERT_TRUE(session.OpenSerial(pty.ProgramEnd(), TLineSettings{}, true));
        ASSERT_TRUE(RefreshConfiguration(session));
    }

    bool Load(const std::string& text, int& error) {
        WriteFile(Path(), text);
        return ConfFile::LoadConfFile(session, Path(), error);
    }

    std::size_t Writes() {
        std::size_t n = 0;
        for (const auto& request : peer->Requests())
            n += request[1] == 0x06 || request[1] == 0x10 ? 1 : 0;
        return n;
    }

    std::string Path() const { return dir.filePath("load.conf").toStdString(); }

    QTemporaryDir dir;
    TPtyPair pty;
    std::unique_ptr<TModbusPeer> peer;
    TEquipComm session;
};

TEST_F(ConfFileLoad, RefusedFilesSendNothing) {
    Open(0);
    struct Case {
        const char* name;
        std::string text;
        int error;
    };
    const Case cases[] = {
        {"another family", "[GeneralConf]\nDeviceSignature=10146\n[ConfRele]\nSetPointRTD1=80\n", -1},
        {"value too large", "[GeneralConf]\n[ConfRele]\nSetPointRTD1=80\nSetPointRTD5=70000\n", 1},
        {"not a number", "[GeneralConf]\nIpPort=fast\n", 1702},
        {"negative", "[GeneralConf]\n[ConfCalc]\nDeltaT3=-1\n", 202},
        {"doubled sign", "[GeneralConf]\n[ConfCalc]\nDeltaT2=--62\n", 202},
        {"sign inside a hexadecimal number", "[GeneralConf]\nIpPort=0x-5\n", 1702},
        {"no general section", "[ConfRele]\nSetPointRTD1=80\n", 0},
        {"another family's backup behind a byte-order mark",
         "\xEF\xBB\xBF[GeneralConf]\r\nDeviceSignature=10146\r\n[ConfRele]\r\nSetPointRTD1=80\r\n", -1},
        {"no section of the family", "[ConfParalelismo]\nTamanhoBus=2\n", 0},
        {"empty file", "", 0},
    };
    for (const auto& c : cases) {
        int error = 99;
        EXPECT_FALSE(Load(c.text, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
    // Anything but a regular file of a sane size is refused before it is read.
    const std::string fifo = dir.filePath("fifo.conf").toStdString();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string large = dir.filePath("large.conf").toStdString();
    WriteFile(large, "[GeneralConf]\n" + std::string(1100000, ';'));
    const std::pair<std::string, SmallFile::TReadError> unreadable[] = {
        {dir.filePath("missing.conf").toStdString(), SmallFile::TReadError::Missing},
        {dir.path().toStdString(), SmallFile::TReadError::NotAFile},
        {fifo, SmallFile::TReadError::NotAFile},
        {"/dev/zero", SmallFile::TReadError::NotAFile},
        {large, SmallFile::TReadError::TooLarge},
    };
    for (const auto& [path, why] : unreadable) {
        TLoadReport report;
        EXPECT_FALSE(ConfFile::LoadConfFile(session, path, TLoadOptions(), report)) << path;
        EXPECT_EQ(report.outcome, TLoadOutcome::Unreadable) << path;
        EXPECT_EQ(report.readError, why) << path;
        EXPECT_EQ(report.errorRegister, 0) << path;
    }
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(ConfFileLoad, CutOffFileLoadsOnlyWhenDefaultsAreAllowed) {
    peer->SetRegister(215, 150);
    Open(0);
    ASSERT_TRUE(ConfFile::SaveConfFile(session, Path()));
    std::ifstream in(Path(), std::ios::binary);
    std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Cut in the middle of the relay section, as an interrupted copy leaves it.
    WriteFile(Path(), whole.substr(0, whole.find("SetPointRTD5=")));

    const TLoadReport check = ConfFile::CheckConfFile(session, Path());
    EXPECT_EQ(check.outcome, TLoadOutcome::Loaded);
    ASSERT_FALSE(check.missingKeys.empty());
    EXPECT_EQ(check.missingKeys.front(), "ConfRele/SetPointRTD5");
    EXPECT_EQ(check.missingKeys.back(), "ConfSerial/ModbusTxDelay3");

    TLoadReport report;
    EXPECT_FALSE(ConfFile::LoadConfFile(session, Path(), TLoadOptions{false}, report));
    EXPECT_EQ(report.outcome, TLoadOutcome::MissingKeys);
    EXPECT_EQ(Writes(), 0u);

    EXPECT_TRUE(ConfFile::LoadConfFile(session, Path(), TLoadOptions{true}, report));
    EXPECT_EQ(peer->Register(215), 200); // MaxDifTemp took its default
    EXPECT_EQ(report.written, static_cast<int>(Writes()));
    EXPECT_GT(report.written, 0);
}

TEST_F(ConfFileLoad, FileEqualToTheDeviceSendsNothing) {
    peer->SetRegister(5, 75);
    peer->SetRegister(1700, 0x0132);
    Open(0);
    ASSERT_TRUE(ConfFile::SaveConfFile(session, Path()));
    int error = 99;
    EXPECT_TRUE(ConfFile::LoadConfFile(session, Path(), error));
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(ConfFileLoad, FailedWriteStopsWithItsRegister) {
    Open(0);
    peer->SetExceptionRegister(41 + 2); // the read-back of Retardo3 fails
    WriteFile(Path(), "[GeneralConf]\n[ConfRele]\nSetPointRTD1=90\nRetardo3=9\nMaxDifTemp=150\n");
    TLoadReport report;
    EXPECT_FALSE(ConfFile::LoadConfFile(session, Path(), TLoadOptions(), report));
    EXPECT_EQ(report.outcome, TLoadOutcome::WriteFailed);
    EXPECT_EQ(report.errorRegister, 41);
    EXPECT_EQ(peer->Register(215), 0); // later keys were not written
    // Every write but the failed one, the address setting counted once for its two registers.
    EXPECT_EQ(report.written, static_cast<int>(Writes()) - 2);
}

TEST_F(ConfFileLoad, ParallelismMovesToItsNewBusAddress) {
    // Unit at address 1; every unit's bus size is 2 and unit 5's relay 7 setting is 3.
    peer->SetRegister(0x8000 + 1951, 1);
    for (int unit = 0; unit < 16; ++unit)
        peer->SetRegister(0x8000 + 21 + unit, 2);
    peer->SetRegister(0x8000 + 126, 3);
    Open(1);
    int error = 99;
    ASSERT_TRUE(Load("[GeneralConf]\n[ConfParalelismo]\nEnderecoBus=5\nTamanhoBus=0\nNumPosic=2\n"
                     "[ConfSaida]\nEscalaSaida=2\n",
                     error))
        << error;
    EXPECT_EQ(peer->Register(0x8000 + 1951), 5);
    EXPECT_EQ(peer->Register(0x8000 + 21 + 5), 0); // equal to a cell never read at the old address
    EXPECT_EQ(peer->Register(0x8000 + 41 + 5), 2);
    EXPECT_EQ(peer->Register(0x8000 + 121 + 5), 0); // ConfRele7's default
    EXPECT_EQ(peer->Register(0x8000 + 301 + 5), 2);
    EXPECT_EQ(peer->Register(0x8000 + 21 + 1), 2); // the old address keeps its settings
    EXPECT_FALSE(Load("[GeneralConf]\n[ConfParalelismo]\nEnderecoBus=16\n", error));
    EXPECT_EQ(error, 1);
}

// "Section/Key device -> file" for each difference.
std::vector<std::string> Rows(const std::vector<ConfFile::TConfDifference>& differences) {
    std::vector<std::string> rows;
    for (const auto& d : differences)
        rows.push_back(d.section + "/" + d.key + " " + d.device + " -> " + d.file);
    return rows;
}

TEST_F(ConfFileLoad, DiffShowsWhatALoadWouldChangeAndSendsNothing) {
    peer->SetRegister(1700, 0x0132);
    peer->SetRegister(1701, 0xC0A8);
    Open(0);
    ASSERT_TRUE(ConfFile::SaveConfFile(session, Path()));
    TLoadReport report;
    EXPECT_TRUE(ConfFile::DiffConfFile(session, Path(), report).empty());
    EXPECT_EQ(report.outcome, TLoadOutcome::Loaded);
    // Two settings changed by hand in the saved file (and its line ends made CR LF by another editor).
    std::string text;
    for (std::string line : ReadLines(Path())) {
        if (line.starts_with("SetPointRTD3="))
            line = "SetPointRTD3=91";
        if (line.starts_with("IpAddr="))
            line = "IpAddr=" + std::to_string(static_cast<std::int32_t>(0xC0A80133));
        text += line + "\r\n";
    }
    WriteFile(Path(), text);
    // In the file's order.
    EXPECT_EQ(
        Rows(ConfFile::DiffConfFile(session, Path(), report)),
        (std::vector<std::string>{"GeneralConf/IpAddr 192.168.1.50 -> 192.168.1.51",
                                  "ConfRele/SetPointRTD3 " + std::to_string(peer->Register(3)) + " -> 91"}));
    EXPECT_EQ(Writes(), 0u);
}

TEST_F(ConfFileLoad, DiffRefusesWhatALoadWouldRefuse) {
    Open(2);
    WriteFile(Path(), "[GeneralConf]\nDeviceSignature=23847\n[ConfRele]\nSetPointRTD1=90\n");
    TLoadReport report;
    EXPECT_TRUE(ConfFile::DiffConfFile(session, Path(), report).empty());
    EXPECT_EQ(report.outcome, TLoadOutcome::OtherFamily);
    EXPECT_EQ(report.errorRegister, -1);
    WriteFile(Path(), "no configuration here\n");
    ConfFile::DiffConfFile(session, Path(), report);
    EXPECT_EQ(report.outcome, TLoadOutcome::NotConfFile);
}

TEST_F(ConfFileLoad, DiffOfAParallelismFileThatMovesTheUnitComparesAtItsAddress) {
    // Unit at 1; unit 5 has the bus size 2 the file asks for, but not its number of positions.
    peer->SetRegister(0x8000 + 1951, 1);
    for (int unit = 0; unit < 16; ++unit)
        peer->SetRegister(0x8000 + 21 + unit, 2);
    peer->SetRegister(0x8000 + 41 + 1, 2);
    Open(1);
    WriteFile(Path(), "[GeneralConf]\n[ConfParalelismo]\nEnderecoBus=5\nTamanhoBus=2\nNumPosic=2\n");
    TLoadReport report;
    const auto rows = Rows(ConfFile::DiffConfFile(session, Path(), report));
    EXPECT_EQ(report.outcome, TLoadOutcome::Loaded);
    const auto has = [&](const std::string& row) {
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    };
    EXPECT_TRUE(has("ConfParalelismo/EnderecoBus 1 -> 5"));
    EXPECT_TRUE(has("ConfParalelismo/NumPosic 0 -> 2"));
    for (const std::string& row : rows)
        EXPECT_FALSE(row.starts_with("ConfParalelismo/TamanhoBus")) << row;
    EXPECT_EQ(Writes(), 0u);
    EXPECT_EQ(peer->Register(0x8000 + 1951), 1);
}

TEST_F(ConfFileLoad, RefreshRefusesABusAddressBeyondTheTables) {
    // Beyond the tables the reads land in other tables' cells (at 20, unit 0's bus size for the unit's
    // bus address), which a save would then write as this unit's settings.
    session.SetFamily(1);
    ASSERT_TRUE(session.OpenSerial(pty.ProgramEnd(), TLineSettings{}, true));
    for (int address : {15, 16, 20, 0}) {
        peer->SetRegister(0x8000 + 1951, static_cast<std::uint16_t>(address));
        EXPECT_EQ(RefreshConfiguration(session), address <= 15) << address;
    }
}

// Loads that write many defaults go over a framed loopback peer, which takes them in one list.
class ConfFileLoadTcp : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(session.OpenTcp("127.0.0.1", "", peer.Port()));
        ASSERT_TRUE(WaitUntil([&] { return session.IsConnected(); }));
    }

    bool Load(int family, const std::string& text, int& error) {
        session.SetFamily(family);
        const std::string path = dir.filePath("t.conf").toStdString();
        WriteFile(path, text);
        return ConfFile::LoadConfFile(session, path, error);
    }

    QTemporaryDir dir;
    TFramedPeer peer;
    TEquipComm session;
};

TEST_F(ConfFileLoadTcp, MissingKeysTakeDefaultsAndValuesLand) {
    int error = 99;
    ASSERT_TRUE(Load(
        0, "[GeneralConf]\nIpAddr=-1062731726\nDeviceSignature=15012\n[ConfRele]\nSetPointRTD3=77\n", error))
        << error;
    EXPECT_EQ(peer.registers[1700], 50);
    EXPECT_EQ(peer.registers[1701], 49320);
    EXPECT_EQ(peer.registers[3], 77);
    EXPECT_EQ(peer.registers[1], 100);         // default set point
    EXPECT_EQ(peer.registers[215], 200);       // MaxDifTemp default
    EXPECT_EQ(peer.registers[1330], 4660);     // Dnp3Address1 default
    EXPECT_EQ(peer.registers.count(1600), 0u); // no password key: the password is left alone
}

TEST_F(ConfFileLoadTcp, PasswordOnlyWhenItIsFourLetters) {
    int error = 99;
    ASSERT_TRUE(
        Load(0, "[GeneralConf]\nSenha=" + std::to_string(PasswordScramble::Pack("AB1D")) + "\n", error));
    EXPECT_EQ(peer.registers.count(1600), 0u);
    ASSERT_TRUE(
        Load(0, "[GeneralConf]\nSenha=" + std::to_string(PasswordScramble::Pack("QELX")) + "\n", error));
    EXPECT_EQ(peer.registers[1600], 'Q');
    EXPECT_EQ(peer.registers[1603], 'X');
}

TEST_F(ConfFileLoadTcp, RegulatorSetsAndIrrigationTexts) {
    int error = 99;
    ASSERT_TRUE(Load(2, "[GeneralConf]\n[ConfConjunto0]\nTensaoNominal=1200\n", error)) << error;
    EXPECT_EQ(peer.registers[1], 1200);
    EXPECT_EQ(peer.registers[141], 1150); // set 7 from its defaults
    EXPECT_EQ(peer.registers[151], 59);
    EXPECT_EQ(peer.registers.count(161), 0u);

    const std::string ssid(40, 'W');
    ASSERT_TRUE(Load(3,
                     "[GeneralConf]\nWifiSsid=" + ssid +
                         "\nWifiPass= a \n[ConfQEL880IRR]\nBloquearConsumo=1\n"
                         "RelayScreenSoftwareCommand=5\n",
                     error))
        << error;
    EXPECT_EQ(peer.registers[1735], 'W' | 'W' << 8); // characters 31 and 32
    EXPECT_EQ(peer.registers.count(1736), 0u);
    EXPECT_EQ(peer.registers[1740], ' ' | 'a' << 8); // text values keep their blanks
    EXPECT_EQ(peer.registers[1741], ' ');
    EXPECT_EQ(peer.registers.count(1755), 1u); // the whole block, zero-padded
    EXPECT_EQ(peer.registers[1760], 43101);
    EXPECT_EQ(peer.registers[32], 1);
    EXPECT_EQ(peer.registers.count(212), 0u); // saved, never loaded
}

TEST_F(ConfFileLoadTcp, FailedFinalFlushReportsZero) {
    peer.writeReplyCount = 1;
    int error = 99;
    EXPECT_FALSE(Load(0, "[GeneralConf]\n[ConfRele]\nSetPointRTD1=80\n", error));
    EXPECT_EQ(error, 0);
    ASSERT_FALSE(peer.requests.empty());
    EXPECT_EQ(peer.requests.front().command, 10); // every write went out in one list
}

} // namespace
