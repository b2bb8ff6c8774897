#include "FramedClient.h"
#include "ModbusClient.h"
#include "SimProcess.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <modbus.h>

namespace {

using Values = std::vector<std::uint16_t>;

struct TSimClients {
    explicit TSimClients(const QStringList& faults) : sim(QStringList{"--model", "T"} + faults) {}
    bool Open() {
        if (!sim.IsReady())
            return false;
        rtu = std::make_unique<TModbusClient>(sim.RtuPath().toStdString(), 1, 500);
        return rtu->IsReady() && tcp.Connect(sim.Port());
    }
    TSimProcess sim;
    std::unique_ptr<TModbusClient> rtu;
    TFramedClient tcp;
};

TEST(SimFaults, DropEveryNthReply) {
    TSimClients c({"--drop-every", "2"});
    ASSERT_TRUE(c.Open());
    EXPECT_TRUE(c.rtu->Read(2002, 1));
    EXPECT_FALSE(c.rtu->Read(2002, 1));
    EXPECT_EQ(c.rtu->LastError(), ETIMEDOUT);
    EXPECT_TRUE(c.rtu->Read(2002, 1));
    EXPECT_TRUE(c.tcp.Read({2002}));
    EXPECT_FALSE(c.tcp.Read({2002}, 500));
}

TEST(SimFaults, DelayedReplies) {
    TSimClients c({"--delay-ms", "300"});
    ASSERT_TRUE(c.Open());
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(c.tcp.Read({2002}, 100)); // not yet
    EXPECT_TRUE(c.tcp.Read({2002}, 1000));
    EXPECT_GE(timer.elapsed(), 300);
}

TEST(SimFaults, CorruptCrc) {
    TSimClients c({"--corrupt-crc-every", "1"});
    ASSERT_TRUE(c.Open());
    EXPECT_FALSE(c.rtu->Read(2002, 1));
    EXPECT_EQ(c.rtu->LastError(), EMBBADCRC);
}

TEST(SimFaults, SplitAndStrayBytesOverTcp) {
    TSimClients c({"--split", "--stray-bytes"});
    ASSERT_TRUE(c.Open());
    const auto pieces = c.tcp.ReadRaw({1500, 2002});
    ASSERT_GE(pieces.size(), 2u);
    QByteArray whole;
    for (const QByteArray& piece : pieces)
        whole += piece;
    EXPECT_TRUE(whole.startsWith(QByteArray("\x5D\x00\x11\x5D\x73\x91\xAD", 7)));
    EXPECT_EQ(whole.size(), 3 + 4 + 2 + 6 + 8);
}

TEST(SimFaults, StrayBytesOverRtu) {
    TSimClients c({"--stray-bytes"});
    ASSERT_TRUE(c.Open());
    EXPECT_FALSE(c.rtu->Read(2002, 1)); // the reply does not start with the address
}

TEST(SimFaults, WritesWithoutEcho) {
    TSimClients c({"--no-echo"});
    ASSERT_TRUE(c.Open());
    EXPECT_FALSE(c.rtu->Write(1500, 2));
    EXPECT_EQ(c.rtu->LastError(), ETIMEDOUT);
    EXPECT_EQ(c.rtu->Read(1500, 1), Values{2}); // written all the same
}

TEST(SimFaults, CloseAfterTransactions) {
    TSimClients c({"--close-after", "2"});
    ASSERT_TRUE(c.Open());
    EXPECT_TRUE(c.tcp.Read({2002}));
    EXPECT_TRUE(c.tcp.Read({2002}));
    EXPECT_TRUE(c.tcp.Socket().state() == QAbstractSocket::UnconnectedState ||
                c.tcp.Socket().waitForDisconnected(2000));
}

TEST(SimFaults, DropFirstReadAndCloseOnAWrite) {
    TSimClients c({"--drop-first", "1810", "--close-on", "1500=2"});
    ASSERT_TRUE(c.Open());
    EXPECT_FALSE(c.rtu->Read(1810, 10)); // the first read of 1810 on each link goes unanswered
    EXPECT_TRUE(c.rtu->Read(1810, 10));
    EXPECT_FALSE(c.tcp.Read({1810}, 500));
    EXPECT_TRUE(c.tcp.Read({1810}));
    // The write that closes is not applied; the device serves the next connection as before.
    EXPECT_FALSE(c.tcp.Write({{1500, 2}}, 500));
    TFramedClient next;
    ASSERT_TRUE(next.Connect(c.sim.Port()));
    const auto reply = next.Read({1500});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->values.at(1500), 0);
}

TEST(SimFaults, FailingRegister) {
    TSimClients c({"--fail-register", "1600"});
    ASSERT_TRUE(c.Open());
    EXPECT_FALSE(c.rtu->Read(1598, 4));
    EXPECT_EQ(c.rtu->LastError(), EMBXSFAIL);
    EXPECT_TRUE(c.rtu->Read(1601, 3));
    EXPECT_FALSE(c.tcp.Read({2002, 1600}, 500));
    EXPECT_TRUE(c.tcp.Read({2002}));
}

} // namespace
