#include "FramedPeer.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>

namespace {

class FramedSession : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Connect()); }

    bool Connect() {
        return session.OpenTcp("127.0.0.1", "", peer.Port()) &&
               WaitUntil([&] { return session.IsConnected(); });
    }

    std::vector<std::uint16_t> Items(std::size_t request) const { return peer.requests.at(request).items; }

    TFramedPeer peer;
    TEquipComm session;
};

TEST_F(FramedSession, QueuedReadsTravelAsOneList) {
    peer.registers[1500] = 2;
    peer.registers[503] = 1750;
    for (auto [first, count] : {std::pair{1500, 1}, {401, 6}, {501, 21}, {601, 10}})
        ASSERT_TRUE(session.ReadRegisters(first, count, true));
    EXPECT_TRUE(peer.requests.empty());
    ASSERT_TRUE(session.FlushReads(0));
    ASSERT_EQ(peer.requests.size(), 1u);
    EXPECT_EQ(peer.requests[0].command, 1);
    EXPECT_EQ(Items(0).size(), 38u);
    EXPECT_EQ(session.FetchRegister(1500), 2);

    EXPECT_TRUE(session.FlushReads(0)); // the queue was emptied
    EXPECT_EQ(peer.requests.size(), 1u);
}

TEST_F(FramedSession, QueuedWritesTravelAsOneListThenReadBack) {
    ASSERT_TRUE(session.WriteRegister(1500, 2, true));
    const int ports[] = {502, 503};
    ASSERT_TRUE(session.WriteRegisters(1760, ports, true));
    ASSERT_TRUE(session.FlushWrites(0));
    ASSERT_EQ(peer.requests.size(), 2u);
    EXPECT_EQ(peer.requests[0].command, 10);
    EXPECT_EQ(Items(0), (std::vector<std::uint16_t>{1500, 2, 1760, 502, 1761, 503}));
    EXPECT_EQ(peer.requests[1].command, 1);
    EXPECT_EQ(Items(1), (std::vector<std::uint16_t>{1500, 1760, 1761}));
    EXPECT_EQ(session.FetchRegister(1761), 503);

    // Values the image already holds are not queued; an empty flush sends nothing.
    EXPECT_TRUE(session.WriteRegister(1500, 2, true));
    EXPECT_TRUE(session.FlushWrites(0));
    EXPECT_EQ(peer.requests.size(), 2u);
}

TEST_F(FramedSession, ImmediateWriteRefusedByTheDevice) {
    peer.writeReplyCount = 1;
    EXPECT_FALSE(session.WriteRegister(1500, 2));
    ASSERT_EQ(peer.requests.size(), 2u); // the read-back goes out all the same
    EXPECT_EQ(peer.requests[1].command, 1);
    peer.writeReplyCount = 0;
    EXPECT_TRUE(session.WriteRegister(1500, 2));
}

TEST_F(FramedSession, ReplyThatNeverComesAndItsLateArrival) {
    peer.silent = true;
    ASSERT_TRUE(session.ReadRegisters(1500, 1, true));
    EXPECT_FALSE(session.FlushReads(0.2));
    EXPECT_FALSE(session.IsPending());
    const std::uint16_t sequence = peer.requests.at(0).sequence;
    peer.SendUnasked(TFramedPeer::ValuesFrame(sequence, {{1500, 7}}));
    EXPECT_TRUE(WaitUntil([&] { return session.FetchRegister(1500) == 7; }));
}

TEST_F(FramedSession, ReplyLeavingOutAnAskedRegisterFails) {
    peer.registers[1700] = 50;
    peer.registers[1701] = 49320;
    peer.absent = {1702};
    session.StoreRegister(1702, 43101);
    ASSERT_TRUE(session.ReadRegisters(1700, 3, true));
    EXPECT_FALSE(session.FlushReads(0));
    EXPECT_EQ(session.FetchRegister(1700), 50); // what came is stored all the same
    EXPECT_EQ(session.FetchRegister(1702), 43101);
    EXPECT_FALSE(session.ReadRegisters(1702, 1));
    EXPECT_FALSE(session.WriteRegister(1702, 502)); // its read-back cannot confirm it

    // A register asked twice in one list needs to come back once.
    peer.absent.clear();
    ASSERT_TRUE(session.ReadRegisters(212, 1, true));
    ASSERT_TRUE(session.ReadRegisters(212, 1, true));
    EXPECT_TRUE(session.FlushReads(0));
}

TEST_F(FramedSession, WaitLastsItsWholeTime) {
    // A coarse timer may end a wait up to 5 % early; the time-out is a promise to the device.
    peer.silent = true;
    QElapsedTimer elapsed;
    for (int i = 0; i < 3; ++i) {
        elapsed.start();
        EXPECT_FALSE(session.ReadRegisters(1500, 1, true) && session.FlushReads(0.4));
        EXPECT_GE(elapsed.elapsed(), 400);
    }
}

TEST_F(FramedSession, TransactionDuringAWaitIsRefusedAtOnce) {
    peer.delayMs = 300;
    bool nested = true;
    bool nestedPending = false;
    QTimer::singleShot(50, [&] {
        nestedPending = session.IsPending();
        nested = session.ReadRegisters(1600, 4);
    });
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_TRUE(nestedPending);
    EXPECT_FALSE(nested);
    EXPECT_EQ(peer.requests.size(), 1u);
}

TEST_F(FramedSession, RepliesInPiecesWithStrayBytesAndUnaskedFrames) {
    peer.registers[1500] = 1;
    peer.segments = 3;
    peer.prefix = QByteArray("\x5D\x00", 2);
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(session.FetchRegister(1500), 1);

    // An unasked values frame and the reply in one segment: both are processed.
    peer.segments = 1;
    peer.prefix = TFramedPeer::ValuesFrame(0xBEEF, {{1702, 8080}});
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(session.FetchRegister(1702), 8080);

    peer.prefix.clear();
    peer.SendUnasked(TFramedPeer::ValuesFrame(0xBEEF, {{1703, 502}}));
    EXPECT_TRUE(WaitUntil([&] { return session.FetchRegister(1703) == 502; }));
}

TEST_F(FramedSession, SequenceNumbersWrap) {
    session.SetTransactionCounter(65535);
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    ASSERT_EQ(peer.requests.size(), 3u);
    EXPECT_EQ(peer.requests[0].sequence, 65535);
    EXPECT_EQ(peer.requests[1].sequence, 0);
    EXPECT_EQ(peer.requests[2].sequence, 1);
}

TEST_F(FramedSession, FamilyOneBankOnTheWire) {
    session.SetFamily(1);
    peer.registers[0x8000 + 1500] = 2;
    EXPECT_TRUE(session.ReadRegisters(1500, 1));
    EXPECT_EQ(Items(0), (std::vector<std::uint16_t>{0x85DC}));
    EXPECT_EQ(session.FetchRegister(1500), 2);
    EXPECT_TRUE(session.SendCommand(1000)); // the command write has no bank bit
    EXPECT_EQ(Items(1), (std::vector<std::uint16_t>{3000, 1000}));
}

TEST_F(FramedSession, LongListsAreSentInPieces) {
    ASSERT_TRUE(session.ReadRegisters(0, 1000, true));
    EXPECT_TRUE(session.FlushReads(0));
    ASSERT_EQ(peer.requests.size(), 3u);
    EXPECT_EQ(Items(0).size(), 498u);
    EXPECT_EQ(Items(2).size(), 4u);
    EXPECT_EQ(Items(2).back(), 999);

    std::vector<int> values(600, 9);
    EXPECT_TRUE(session.WriteRegisters(2000, values));
    ASSERT_EQ(peer.requests.size(), 3u + 4u); // two write lists, two read lists
    EXPECT_EQ(Items(3).size(), 2u * 497u);
    EXPECT_EQ(peer.registers[2599], 9);
}

TEST_F(FramedSession, PeerClosingEndsTheConnection) {
    peer.silent = true;
    peer.closeAfter = 1;
    EXPECT_FALSE(session.ReadRegisters(1500, 1)); // the wait ends with the connection
    EXPECT_TRUE(WaitUntil([&] { return !session.IsConnected(); }));
    EXPECT_FALSE(session.FlushReads(0));
    EXPECT_FALSE(session.SendCommand(100));
}

TEST_F(FramedSession, QueuesDoNotOutliveTheLink) {
    ASSERT_TRUE(session.WriteRegister(1500, 2, true));
    session.Close();
    EXPECT_FALSE(session.IsConnected());
    EXPECT_FALSE(session.FlushWrites(0));
    ASSERT_TRUE(session.WriteRegister(1501, 1, true));
    ASSERT_TRUE(Connect());
    EXPECT_TRUE(session.FlushWrites(0));
    EXPECT_TRUE(peer.requests.empty());
}

TEST_F(FramedSession, SerialOpenClosesTheSocket) {
    EXPECT_FALSE(session.OpenSerial("/dev/qel880-no-such-port", TLineSettings{}, true));
    EXPECT_FALSE(session.IsTcp());
    EXPECT_FALSE(session.IsConnected());
}

TEST(FramedConnect, RefusedConnectionEndsAtOnce) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const auto port = closed.serverPort();
    closed.close();

    TEquipComm session;
    ASSERT_TRUE(session.OpenTcp("127.0.0.1", "127.0.0.1", port));
    EXPECT_TRUE(session.IsConnecting());
    EXPECT_TRUE(WaitUntil([&] { return !session.IsConnecting(); }));
    EXPECT_FALSE(session.IsConnected());

    EXPECT_FALSE(session.OpenTcp("localhost", "", port)); // names are resolved by the caller
    EXPECT_FALSE(session.OpenTcp("127.0.0.1", "10.255.255.256", port));
}

} // namespace
