#include "ModbusPeer.h"
#include "PtyPair.h"

#include "link/EquipComm.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <ctime>
#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

class RtuSession : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsReady()) << "socat could not make a pseudo-terminal pair";
        peer = std::make_unique<TModbusPeer>(pty.DeviceEnd().toLocal8Bit().constData(), 9600, 'N', 1);
        ASSERT_TRUE(peer->IsReady());
    }

    bool Open(int family = 0) {
        session.SetFamily(family);
        return session.OpenSerial(pty.ProgramEnd(), TLineSettings{9600, 0, 0}, true);
    }

    std::size_t RequestCount() { return peer->Requests().size(); }

    TPtyPair pty;
    std::unique_ptr<TModbusPeer> peer;
    TEquipComm session;
};

TEST_F(RtuSession, ReadsAndVerifiedWrites) {
    peer->SetRegister(1701, 0xC0A8);
    peer->SetRegister(1700, 0x0132);
    peer->SetRegister(1702, 43101);
    ASSERT_TRUE(Open());
    EXPECT_TRUE(session.IsConnected());
    EXPECT_TRUE(session.SerialPortFlag());

    ASSERT_TRUE(session.ReadRegisters(1700, 3));
    EXPECT_EQ(session.Image().IpAddress(), 0xC0A80132u);
    EXPECT_EQ(session.FetchRegister(1702), 43101);

    EXPECT_TRUE(session.WriteRegister(1500, 2));
    EXPECT_EQ(peer->Register(1500), 2);
    EXPECT_EQ(session.FetchRegister(1500), 2);

    const int ports[] = {502, 503, 20000};
    EXPECT_TRUE(session.WriteRegisters(1760, ports));
    EXPECT_EQ(peer->Register(1762), 20000);
    EXPECT_EQ(peer->Requests().back(), (Bytes{0x01, 0x03, 0x06, 0xE0, 0x00, 0x03})); // the read-back

    // A value the image already holds travels only when forced.
    const auto before = RequestCount();
    EXPECT_TRUE(session.WriteRegister(1500, 2));
    EXPECT_EQ(RequestCount(), before);
    EXPECT_TRUE(session.WriteRegister(1500, 2, false, true));
    EXPECT_EQ(RequestCount(), before + 2); // write and read-back
}

TEST_F(RtuSession, WriteWithoutEchoIsConfirmedByItsReadBack) {
    peer->SetFault(TModbusPeer::TFault::NoEchoOnWrite);
    ASSERT_TRUE(Open());
    EXPECT_TRUE(session.WriteRegister(1702, 4000));
    const int values[] = {1, 2};
    EXPECT_TRUE(session.WriteRegisters(1300, values));
    EXPECT_EQ(peer->Register(1301), 2);
}

TEST_F(RtuSession, WriteThatDoesNotReadBackFails) {
    ASSERT_TRUE(Open());
    peer->SetExceptionRegister(1500);
    EXPECT_FALSE(session.WriteRegister(1500, 1)); // the read-back is refused
    // A register without a cell in the image can never confirm a non-zero value.
    EXPECT_FALSE(session.WriteRegister(11, 5));
    EXPECT_EQ(peer->Register(11), 5);
}

TEST_F(RtuSession, BadRepliesStoreNothing) {
    peer->SetRegister(1500, 2);
    ASSERT_TRUE(Open());
    peer->SetFault(TModbusPeer::TFault::BadCrc);
    EXPECT_FALSE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(session.FetchRegister(1500), 0);

    peer->SetFault(TModbusPeer::TFault::None);
    peer->SetExceptionRegister(1501);
    EXPECT_FALSE(session.ReadRegisters(1500, 2));
    EXPECT_EQ(session.FetchRegister(1500), 0);

    EXPECT_TRUE(session.ReadRegisters(1500, 1)); // the line is usable again
    EXPECT_EQ(session.FetchRegister(1500), 2);
}

TEST_F(RtuSession, ReplyFollowedByExtraBytesIsRefused) {
    peer->SetRegister(1500, 2);
    ASSERT_TRUE(Open());
    peer->SetFault(TModbusPeer::TFault::TrailingBytes);
    EXPECT_FALSE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(session.FetchRegister(1500), 0);
    peer->SetFault(TModbusPeer::TFault::None);
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(session.FetchRegister(1500), 2);
}

TEST_F(RtuSession, VanishedPortClosesTheLinkAndLeavesTheCpuIdle) {
    ASSERT_TRUE(Open());
    int changes = 0;
    QObject::connect(&session, &TEquipComm::linkStateChanged, [&] { ++changes; });
    peer.reset();
    pty.Cut();
    const std::clock_t cpuBefore = std::clock();
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    const double cpuSeconds = static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_FALSE(session.IsConnected());
    EXPECT_EQ(changes, 1);
    // A port left open after it vanished keeps the event loop busy: most of the 5 s would be CPU.
    EXPECT_LT(cpuSeconds, 1.0);
    EXPECT_FALSE(session.ReadRegisters(1500, 1));
}

TEST_F(RtuSession, FrameLimitsAreRefusedUnsent) {
    ASSERT_TRUE(Open());
    std::vector<int> values(124, 1);
    EXPECT_FALSE(session.ReadRegisters(0, 126));
    EXPECT_FALSE(session.WriteRegisters(0, values));
    EXPECT_FALSE(session.WriteRegister(0, 65536));
    EXPECT_FALSE(session.ReadRegisters(65535, 2));
    EXPECT_EQ(RequestCount(), 0u);
    EXPECT_TRUE(session.ReadRegisters(0, 125));
}

TEST_F(RtuSession, Commands) {
    ASSERT_TRUE(Open());
    EXPECT_TRUE(session.SendCommand(100));
    EXPECT_EQ(peer->Requests().back(), (Bytes{0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64}));
    EXPECT_EQ(session.FetchRegister(3000), 0); // the image is not touched

    // An echo left on the line must not confirm a command the device ignores.
    peer->SetFault(TModbusPeer::TFault::NoReply);
    peer->SendRaw({0x01, 0x06, 0x0B, 0xB8, 0x00, 0x64, 0x0A, 0x20});
    QThread::msleep(100);
    EXPECT_FALSE(session.SendCommand(100));
}

TEST_F(RtuSession, FamilyOneBankOnTheWire) {
    peer->SetRegister(0x8000 + 1500, 2);
    ASSERT_TRUE(Open(1));
    ASSERT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(peer->Requests().back(), (Bytes{0x01, 0x03, 0x85, 0xDC, 0x00, 0x01}));
    EXPECT_EQ(session.FetchRegister(1500), 2);

    EXPECT_TRUE(session.WriteRegister(1500, 1));
    EXPECT_EQ(peer->Register(0x8000 + 1500), 1);
    EXPECT_EQ(peer->Register(1500), 0);

    EXPECT_TRUE(session.SendCommand(1000));
    EXPECT_EQ(peer->Requests().back(), (Bytes{0x01, 0x06, 0x8B, 0xB8, 0x03, 0xE8}));
}

TEST_F(RtuSession, OtherSlaveAddressIsNotAnswered) {
    session.SetSlaveAddress(2);
    ASSERT_TRUE(Open());
    EXPECT_FALSE(session.ReadRegisters(1500, 1));
}

TEST_F(RtuSession, LineSettings) {
    // Unknown parity and stop-bit codes keep the port's values and still open.
    EXPECT_TRUE(session.OpenSerial(pty.ProgramEnd(), TLineSettings{9600, 3, 3}, false));
    EXPECT_FALSE(session.SerialPortFlag()); // the USB connection
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_FALSE(session.OpenSerial(pty.ProgramEnd(), TLineSettings{-1, 0, 0}, true));
    EXPECT_FALSE(session.IsConnected());
    EXPECT_FALSE(session.SerialPortFlag());
}

TEST(RtuOpen, MissingPortFailsAfterThreeAttempts) {
    TEquipComm session;
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(session.OpenSerial("/dev/qel880-no-such-port", TLineSettings{}, true));
    EXPECT_GE(timer.elapsed(), 1400); // 500 ms and 1000 ms between the three attempts
    EXPECT_FALSE(session.IsConnected());
}

} // namespace
