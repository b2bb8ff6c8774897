#include "SimProcess.h"
#include "WaitUntil.h"

#include "link/DeviceConnection.h"
#include "link/EquipComm.h"
#include "model/Family.h"
#include "model/SharedRegisters.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <ostream>
#include <string>

namespace {

using TPhase = TDeviceConnection::TPhase;
using TPoll = TDeviceConnection::TPoll;
using TStep = TDeviceConnection::TStep;

// Lets the event loop run for `ms`.
void Pass(int ms) {
    WaitUntil([] { return false; }, ms);
}

TLinkTarget Target(const TSimProcess& sim, bool serial) {
    TLinkTarget target;
    target.serial = serial;
    target.port = sim.RtuPath();
    target.comPort = false;
    target.deviceIp = "127.0.0.1";
    target.tcpPort = sim.Port();
    return target;
}

bool LogIn(TDeviceConnection& connection, const TSimProcess& sim, bool serial) {
    return connection.Open(Target(sim, serial)) == TStep::Done && connection.Identify() == TStep::Done &&
           connection.LogIn("JUXT") == TDeviceConnection::TLogIn::LoggedIn;
}

struct TSilence {
    const char* model;
    int family;
    bool serial;
    int speakAfter; // seconds of silence: longer than the polls it takes to give the device up
};

void PrintTo(const TSilence& c, std::ostream* os) {
    *os << c.model << (c.serial ? " over a pty" : " over TCP");
}

std::string Name(const ::testing::TestParamInfo<TSilence>& info) {
    std::string model = info.param.model;
    return model + (info.param.serial ? "_pty" : "_tcp");
}

class SilentDevice : public ::testing::TestWithParam<TSilence> {};

// The device stops answering with its link kept (a cable pulled, the adapter still plugged in):
// every family gives it up at its own count of unanswered polls, and reopens the link to the same
// device once it answers again (the irrigation controller says it and stops).
TEST_P(SilentDevice, IsLostAtItsCountOfUnansweredPollsAndFoundAgain) {
    const TSilence c = GetParam();
    TSimProcess sim(
        {"--model", c.model, "--silent-after", "2", "--speak-after", QString::number(c.speakAfter)});
    ASSERT_TRUE(sim.IsReady());
    TEquipComm session;
    TDeviceConnection connection(session, c.family);
    ASSERT_TRUE(LogIn(connection, sim, c.serial));
    EXPECT_EQ(connection.Poll(), TPoll::Read);
    Pass(2100); // into the silence
    int failed = 0;
    TPoll poll = TPoll::Read;
    for (int i = 0; i < 10 && poll != TPoll::Lost; ++i) {
        poll = connection.Poll();
        failed += poll == TPoll::Failed ? 1 : 0;
        if (poll == TPoll::Failed) {
            EXPECT_EQ(connection.Phase(), TPhase::Silent);
        }
    }
    ASSERT_EQ(poll, TPoll::Lost);
    EXPECT_EQ(failed + 1, connection.Profile().pollsToLose);
    EXPECT_FALSE(session.IsConnected());
    if (!connection.Profile().recoversLostLink) {
        EXPECT_EQ(connection.Phase(), TPhase::Closed);
        return;
    }
    EXPECT_EQ(connection.Phase(), TPhase::Recovering);
    TDeviceConnection::TRecovery recovery = TDeviceConnection::TRecovery::NotYet;
    EXPECT_TRUE(WaitUntil(
        [&] {
            recovery = connection.Recover();
            return recovery != TDeviceConnection::TRecovery::NotYet;
        },
        (c.speakAfter + 10) * 1000));
    EXPECT_EQ(recovery, TDeviceConnection::TRecovery::Recovered);
    EXPECT_EQ(connection.Phase(), TPhase::LoggedIn);
    EXPECT_EQ(connection.Poll(), TPoll::Read);
}

// Over a pty a poll waits for the reply time-out (2 s); over TCP for the family's poll wait
// (0.1 s; the parallelism controller the framed time-out of 5 s; irrigation 3 s).
INSTANTIATE_TEST_SUITE_P(EveryFamilyAndLink, SilentDevice,
                         ::testing::Values(TSilence{"T", Family::kThermal, true, 17},
                                           TSilence{"T", Family::kThermal, false, 4},
                                           TSilence{"P", Family::kParallelism, true, 17},
                                           TSilence{"P", Family::kParallelism, false, 31},
                                           TSilence{"R", Family::kRegulator, true, 17},
                                           TSilence{"R", Family::kRegulator, false, 4},
                                           TSilence{"IRR", Family::kIrrigation, true, 14},
                                           TSilence{"IRR", Family::kIrrigation, false, 18},
                                           TSilence{"C", Family::kPositionIndicator, true, 17},
                                           TSilence{"C", Family::kPositionIndicator, false, 4}),
                         Name);

// A regulator whose every reply comes 300 ms late, logged in over a pty or TCP.
struct TSlowRegulator {
    explicit TSlowRegulator(bool serial) { loggedIn = sim.IsReady() && LogIn(connection, sim, serial); }
    TSimProcess sim{{"--model", "R", "--delay-ms", "300"}};
    TEquipComm session;
    TDeviceConnection connection{session, Family::kRegulator};
    bool loggedIn = false;
};

// A poll that finds another transaction holding the link (a download, a commit waiting for its
// reply) is no failed poll.
TEST(DeviceConnection, APollOnABusyLinkIsNoFailedPoll) {
    for (bool serial : {true, false}) {
        SCOPED_TRACE(serial ? "pty" : "tcp");
        TSlowRegulator r(serial);
        ASSERT_TRUE(r.loggedIn);
        TEquipComm& session = r.session;
        TDeviceConnection& connection = r.connection;
        std::vector<TPoll> polls;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] { polls.push_back(connection.Poll()); });
        timer.start(20);
        EXPECT_TRUE(session.ReadRegisters(SharedRegisters::kFirmware, 1)); // held 300 ms by the device
        timer.stop();
        ASSERT_FALSE(polls.empty());
        for (TPoll p : polls)
            EXPECT_EQ(p, TPoll::Busy);
        EXPECT_TRUE(connection.LoggedIn());
        EXPECT_TRUE(connection.Answering());
    }
}

// The user's transaction started during a poll's wait (a click on a screen, a dialog's reads) goes
// first; the poll ends as busy, which is no failed poll. Over a pty the poll's reply is let in and
// dropped before the user's request goes out.
TEST(DeviceConnection, TheUsersTransactionGoesBeforeAPoll) {
    for (bool serial : {true, false}) {
        SCOPED_TRACE(serial ? "pty" : "tcp");
        TSlowRegulator r(serial);
        ASSERT_TRUE(r.loggedIn);
        TEquipComm& session = r.session;
        TDeviceConnection& connection = r.connection;
        session.StoreRegister(SharedRegisters::kFirmware, 0);
        bool users = false;
        QTimer::singleShot(50, [&] { users = session.ReadRegisters(SharedRegisters::kFirmware, 1); });
        EXPECT_EQ(connection.Poll(), TPoll::Busy);
        EXPECT_TRUE(users);
        EXPECT_EQ(session.FetchRegister(SharedRegisters::kFirmware), 0x1206);
        EXPECT_TRUE(connection.Answering());
        EXPECT_EQ(connection.Poll(), TPoll::Read);
    }
}

// Over TCP a poll waits 0.1 s for its reply; a device that answers later (a slow gateway) still
// answers, so it is neither blanked nor given up.
TEST(DeviceConnection, ASlowTcpDeviceIsNotLost) {
    TSimProcess sim({"--model", "T", "--delay-ms", "300"});
    ASSERT_TRUE(sim.IsReady());
    TEquipComm session;
    TDeviceConnection connection(session, Family::kThermal);
    ASSERT_TRUE(LogIn(connection, sim, false));
    connection.Poll(); // its reply comes after the wait
    for (int i = 0; i < 6; ++i) {
        Pass(900); // the rest of the second between two polls
        EXPECT_EQ(connection.Poll(), TPoll::Read) << "poll " << i;
    }
    EXPECT_TRUE(session.IsConnected());
}

// Over a serial link an exception reply to the network ports' register says the device has none;
// over TCP it has them. A device that does not answer at all is no device with no ports.
TEST(DeviceConnection, NetworkPortsAreDecidedOnceForEveryLink) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    for (bool serial : {true, false}) {
        TEquipComm session;
        TDeviceConnection connection(session, Family::kThermal);
        ASSERT_EQ(connection.Open(Target(sim, serial)), TStep::Done);
        session.SetNetworkPortFlag(false);
        EXPECT_TRUE(connection.DecideNetworkPorts());
        EXPECT_TRUE(session.NetworkPortFlag()) << (serial ? "pty" : "tcp");
    }
    TSimProcess without({"--model", "T", "--fail-register", "1704"});
    ASSERT_TRUE(without.IsReady());
    TEquipComm session;
    TDeviceConnection connection(session, Family::kThermal);
    ASSERT_EQ(connection.Open(Target(without, true)), TStep::Done);
    session.SetNetworkPortFlag(true);
    EXPECT_TRUE(connection.DecideNetworkPorts());
    EXPECT_FALSE(session.NetworkPortFlag());

    TSimProcess silent({"--model", "T", "--silent-after", "1"});
    ASSERT_TRUE(silent.IsReady());
    TEquipComm silentSession;
    TDeviceConnection silentConnection(silentSession, Family::kThermal);
    ASSERT_EQ(silentConnection.Open(Target(silent, true)), TStep::Done);
    Pass(1100);
    EXPECT_FALSE(silentConnection.DecideNetworkPorts());
}

// A parallelism unit whose place in its group lies outside 0..15 is refused, saying the place.
TEST(DeviceConnection, AUnitOutsideItsGroupIsRefused) {
    TSimProcess sim({"--model", "P", "--set", "1951=16"});
    ASSERT_TRUE(sim.IsReady());
    TEquipComm session;
    TDeviceConnection connection(session, Family::kParallelism);
    ASSERT_EQ(connection.Open(Target(sim, false)), TStep::Done);
    EXPECT_EQ(connection.Identify(), TStep::BadUnit);
    EXPECT_EQ(connection.UnitReported(), 16);
    EXPECT_FALSE(session.IsConnected());
}

} // namespace
