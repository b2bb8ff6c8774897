#include "FramedClient.h"
#include "ModbusClient.h"
#include "SimProcess.h"

#include <QThread>

#include <gtest/gtest.h>

#include <modbus.h>

#include <QThread>

#include <set>

namespace {

using Values = std::vector<std::uint16_t>;

struct TModelCase {
    const char* model;
    int signature;
    int setting;     // a setting register
    int measurement; // a read-only register
    int command;     // a command that changes what `changed` reads
    int changed;     // register read before and after the command
};

const TModelCase kModels[] = {
    {"T", 23847, 1, 501, 100, 1800},    {"T-membrane", 15012, 1202, 1209, 100, 1800},
    {"P", 10146, 22, 502, 1000, 502}, // unit at bus address 1
    {"R", 58202, 21, 1001, 1000, 1015}, {"IRR", 15226, 31, 1009, 1140, 1001},
    {"C", 18447, 701, 1016, -1, -1},
};

void PrintTo(const TModelCase& c, std::ostream* out) {
    *out << c.model;
}

class SimModels : public ::testing::TestWithParam<TModelCase> {};

TEST_P(SimModels, IdentitySettingsMeasurementsCommands) {
    const TModelCase& c = GetParam();
    TSimProcess sim(
        {"--model", c.model, "--password", "abcd", "--serial-number", "305419896", "--firmware", "1.3.5"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    TFramedClient tcp;
    ASSERT_TRUE(tcp.Connect(sim.Port()));

    // Identity and password over both links, with and without the bank bit.
    const Values identity{0x1305, 0x1200, static_cast<std::uint16_t>(c.signature)};
    EXPECT_EQ(rtu.Read(2000, 3), identity);
    EXPECT_EQ(rtu.Read(0x8000 + 2000, 3), identity);
    EXPECT_EQ(rtu.Read(2501, 2), (Values{0x5678, 0x1234}));
    EXPECT_EQ(rtu.Read(1600, 4), (Values{'A', 'B', 'C', 'D'}));
    const auto reply = tcp.Read({2002, 0x8000 + 2002, 1600, 1603});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->command, 2);
    EXPECT_EQ(reply->values.at(2002), c.signature);
    EXPECT_EQ(reply->values.at(0x8000 + 2002), c.signature);
    EXPECT_EQ(reply->values.at(1603), 'D');

    // A setting written on one link reads back on both.
    EXPECT_TRUE(rtu.Write(c.setting, 7));
    EXPECT_EQ(
        tcp.Read({static_cast<std::uint16_t>(c.setting)})->values.at(static_cast<std::uint16_t>(c.setting)),
        7);
    const auto written = tcp.Write({{static_cast<std::uint16_t>(c.setting), 9}});
    ASSERT_TRUE(written);
    EXPECT_EQ(written->count, 0);
    EXPECT_EQ(rtu.Read(c.setting, 1), Values{9});

    // A measurement refuses writes: a refused item over TCP, an unchanged value over RTU.
    const auto before = rtu.Read(c.measurement, 1);
    ASSERT_TRUE(before);
    const std::uint16_t other = static_cast<std::uint16_t>((*before)[0] + 12345);
    EXPECT_EQ(tcp.Write({{static_cast<std::uint16_t>(c.measurement), other}})->count, 1);
    rtu.Write(c.measurement, other);
    EXPECT_NE(rtu.Read(c.measurement, 1), Values{other});

    // Registers outside the device answer with an exception.
    EXPECT_FALSE(rtu.Read(5000, 1));
    EXPECT_EQ(rtu.LastError(), EMBXILADD);

    if (c.command >= 0) {
        const auto old = rtu.Read(c.changed, 1);
        EXPECT_TRUE(rtu.Write(3000, static_cast<std::uint16_t>(c.command)));
        EXPECT_NE(rtu.Read(c.changed, 1), old);
    }
    // A code the model does not know is refused.
    EXPECT_EQ(tcp.Write({{3000, 4321}})->count, 1);
    EXPECT_EQ(sim.Stop(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, SimModels, ::testing::ValuesIn(kModels), [](const auto& param) {
    std::string name = param.param.model;
    std::erase(name, '-');
    return name;
});

// A clock set is read back at once as set, whatever the fraction of the host's second. Before, the
// offset dropped that fraction and an immediate read usually gave the second before.
TEST(SimThermal, TheClockReadsAtOnceWhatWasSet) {
    TSimProcess sim({"--model", "T"});
    ASSERT_TRUE(sim.IsReady());
    TFramedClient tcp;
    ASSERT_TRUE(tcp.Connect(sim.Port()));
    for (int attempt = 0; attempt < 6; ++attempt) {
        SCOPED_TRACE(attempt);
        QThread::msleep(170); // another fraction of the host's second each time
        const std::uint16_t second = static_cast<std::uint16_t>(6 + attempt);
        const auto written = tcp.Write({{401, 4}, {402, 5}, {403, second}, {404, 3}, {405, 2}, {406, 31}});
        ASSERT_TRUE(written);
        const auto read = tcp.Read({401, 402, 403});
        ASSERT_TRUE(read);
        EXPECT_EQ(read->values.at(401), 4);
        EXPECT_EQ(read->values.at(402), 5);
        EXPECT_EQ(read->values.at(403), second);
    }
}

TEST(SimThermal, EventBlocksGiveEachEventOnce) {
    TSimProcess sim({"--model", "T", "--events", "25"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    EXPECT_EQ(rtu.Read(1800, 1), Values{25});

    // The download's order: selector = remaining - 1, ten records a block.
    std::set<std::uint64_t> stamps;
    int records = 0;
    for (int remaining = 25; remaining > 0; remaining -= 10) {
        ASSERT_TRUE(rtu.Write(801, static_cast<std::uint16_t>(remaining - 1)));
        auto block = rtu.Read(1810, 100);
        const auto tail = rtu.Read(1910, 30);
        ASSERT_TRUE(block && tail);
        block->insert(block->end(), tail->begin(), tail->end());
        for (int slot = 0; slot < std::min(10, remaining); ++slot) {
            const auto* e = &(*block)[static_cast<std::size_t>(13 * slot)];
            stamps.insert(e[0] | static_cast<std::uint64_t>(e[1]) << 16 |
                          static_cast<std::uint64_t>(e[2]) << 32);
            EXPECT_GT(e[3], 1500); // a winding temperature above 0 ºC
            ++records;
        }
        if (remaining < 10) { // slots below event 0 are empty
            EXPECT_EQ((*block)[static_cast<std::size_t>(13 * remaining)], 0);
        }
    }
    EXPECT_EQ(records, 25);
    EXPECT_EQ(stamps.size(), 25u);

    EXPECT_TRUE(rtu.Write(3000, 100)); // erase
    EXPECT_EQ(rtu.Read(1800, 1), Values{0});
}

TEST(SimIrrigation, RecordCard) {
    TSimProcess sim({"--model", "IRR", "--records", "3"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    EXPECT_EQ(rtu.Read(2912, 2), (Values{3, 0}));
    ASSERT_TRUE(rtu.Write(4000, 1));
    const auto record = rtu.Read(4002, 30);
    ASSERT_TRUE(record);
    std::string text;
    for (std::uint16_t w : *record) {
        text.push_back(static_cast<char>(w & 0xFF));
        text.push_back(static_cast<char>(w >> 8));
    }
    EXPECT_EQ(text.size(), 60u);
    EXPECT_EQ(text[2], '/'); // "dd/mm/yyyy hh:mm:ss"
    EXPECT_NE(text[20], '\0');
    ASSERT_TRUE(rtu.Write(4000, 3)); // past the last record
    EXPECT_EQ(rtu.Read(4002, 30), Values(30, 0));
    EXPECT_TRUE(rtu.Write(3000, 1130));
    EXPECT_EQ(rtu.Read(2912, 1), Values{0});
}

TEST(SimParallelism, BusAddressAndBank) {
    TSimProcess sim({"--model", "P"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    EXPECT_TRUE(rtu.Write(0x8000 + 1951, 5));
    EXPECT_EQ(rtu.Read(1951, 1), Values{5});
    EXPECT_TRUE(rtu.Write(0x8000 + 3000, 1000)); // raises unit 5's position
    EXPECT_EQ(rtu.Read(0x8000 + 506, 1), Values{10});
    EXPECT_FALSE(rtu.Write(1951, 16));
    EXPECT_EQ(rtu.Read(1951, 1), Values{5});
}

TEST(SimParallelism, PresetUnitTablesAndErrorWords) {
    TSimProcess sim({"--model", "P", "--set", "1951=3", "--set", "524=13", "--set", "544=2", "--set",
                     "1961=5", "--set", "603=1"});
    ASSERT_TRUE(sim.IsReady());
    TFramedClient tcp;
    ASSERT_TRUE(tcp.Connect(sim.Port()));
    QThread::msleep(1200); // a tick leaves the preset expected position alone
    auto reply = tcp.Read({1951, 504, 524, 544, 1961, 603});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->values, (std::map<std::uint16_t, std::uint16_t>{
                                 {1951, 3}, {504, 9}, {524, 13}, {544, 2}, {1961, 5}, {603, 1}}));
    // Presets stay read-only where the device's cells are; a command moves the own unit and what it expects.
    EXPECT_EQ(tcp.Write({{1961, 0}})->count, 1);
    EXPECT_EQ(tcp.Write({{3000, 1003}})->count, 0);
    reply = tcp.Read({504, 524, 1961});
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->values, (std::map<std::uint16_t, std::uint16_t>{{504, 8}, {524, 8}, {1961, 5}}));
}

TEST(SimRegulator, MissingSetsAndClock) {
    TSimProcess sim({"--model", "R"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    EXPECT_TRUE(rtu.Read(141, 11));
    EXPECT_FALSE(rtu.Read(161, 1));
    EXPECT_EQ(rtu.LastError(), EMBXILADD);
    TFramedClient tcp;
    ASSERT_TRUE(tcp.Connect(sim.Port()));
    EXPECT_TRUE(tcp.Read({161, 151})->values.count(161) == 0);

    // The clock is written as one run and ticks on from there; impossible dates are refused.
    EXPECT_TRUE(rtu.Write(601, {10, 20, 30, 29, 2, 24}));
    const auto clock = rtu.Read(601, 6);
    ASSERT_TRUE(clock);
    EXPECT_EQ((*clock)[1], 20);
    EXPECT_EQ((*clock)[3], 29);
    EXPECT_EQ((*clock)[5], 24);
    EXPECT_FALSE(rtu.Write(601, {10, 20, 30, 30, 2, 24}));
}

TEST(SimRegulator, ExtremesCountAndOutputCalibration) {
    TSimProcess sim({"--model", "R", "--tap", "7", "--tap-extremes", "3,12", "--commutations", "3",
                     "--output-calibration", "1.5,0,nan"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    EXPECT_EQ(rtu.Read(2510, 6), (Values{0, 0x3FC0, 0, 0, 0, 0x7FC0})); // low word first
    EXPECT_EQ(rtu.Read(1015, 1), Values{7});
    EXPECT_EQ(rtu.Read(801, 2), (Values{3, 12}));
    EXPECT_EQ(rtu.Read(804, 1), Values{3});

    // A command moves the tap, counts, and stretches the extremes at once.
    for (int up = 0; up < 6; ++up)
        ASSERT_TRUE(rtu.Write(3000, 1000));
    EXPECT_EQ(rtu.Read(801, 4), (Values{3, 13, 0, 9}));
    // The program resets them by writing.
    EXPECT_TRUE(rtu.Write(801, {13, 13}));
    EXPECT_TRUE(rtu.Write(804, 0));
    EXPECT_EQ(rtu.Read(801, 4), (Values{13, 13, 0, 0}));

    TSimProcess plain({"--model", "R"});
    ASSERT_TRUE(plain.IsReady());
    TModbusClient plainRtu(plain.RtuPath().toStdString());
    ASSERT_TRUE(plainRtu.IsReady());
    EXPECT_EQ(plainRtu.Read(2510, 6), (Values{0, 0x3F80, 0, 0x3F80, 0, 0x3F80})); // three fitted outputs
}

TEST(SimIrrigation, StatusCountersAndHeldValues) {
    TSimProcess sim({"--model", "IRR", "--status", "9", "--rain", "70196", "--water", "1234",
                     "--last-cycle-water", "56", "--inputs", "5", "--temperature", "65535"});
    ASSERT_TRUE(sim.IsReady());
    TModbusClient rtu(sim.RtuPath().toStdString());
    ASSERT_TRUE(rtu.IsReady());
    QThread::msleep(1200); // the live values move once a second
    const auto live = rtu.Read(1001, 11);
    ASSERT_TRUE(live);
    EXPECT_EQ(*live, (Values{9, 0x1234, 1, 1234, 0, 56, 0, 5, 0, 1, 65535}));
    EXPECT_EQ(rtu.Read(1100, 1), Values{0}); // any status bit keeps the pump off

    EXPECT_TRUE(rtu.Write(3000, 1120)); // unblocked: no water stays
    EXPECT_EQ(rtu.Read(1001, 1), Values{1});
    EXPECT_TRUE(rtu.Write(3000, 1140));
    EXPECT_EQ(rtu.Read(1001, 1), Values{0x21});

    // Without a status the hand-switched branch runs, and a valve is open.
    TSimProcess running({"--model", "IRR"});
    ASSERT_TRUE(running.IsReady());
    TModbusClient runningRtu(running.RtuPath().toStdString());
    ASSERT_TRUE(runningRtu.IsReady());
    ASSERT_TRUE(runningRtu.Write(212, 0b11));
    QThread::msleep(1200);
    EXPECT_EQ(runningRtu.Read(1100, 2), (Values{1, 1}));
    EXPECT_EQ(runningRtu.Read(1010, 1), Values{0});
    EXPECT_EQ(runningRtu.Read(1008, 1), Values{0x83}); // pump running, water present
}

TEST(SimOptions, BadOptionsExitWithTwo) {
    for (const QStringList& args :
         {QStringList{}, QStringList{"--model", "X"}, QStringList{"--model", "T", "--tcp", "x"},
          QStringList{"--model", "T", "--password", "AB1D"}, QStringList{"--model", "T", "--firmware", "1.2"},
          QStringList{"--model", "T", "--frobnicate"}, QStringList{"--model", "P", "--set", "1951"},
          QStringList{"--model", "P", "--set", "1951=65536"},
          QStringList{"--model", "C", "--set", "1960=1"}, // the indicator has no error word 1960
          QStringList{"--model", "R", "--tap-extremes", "5"},
          QStringList{"--model", "R", "--output-calibration", "1,2"},
          QStringList{"--model", "R", "--output-calibration", "1,2,x"},
          QStringList{"--model", "IRR", "--inputs", "70000"}}) {
        QProcess process;
        process.start(QEL880SIM_PATH, args);
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 2) << args.join(' ').toStdString();
        EXPECT_FALSE(process.readAllStandardError().isEmpty());
    }
}

TEST(SimOptions, HelpAndVersion) {
    for (const char* option : {"--help", "-h"}) {
        QProcess process;
        process.start(QEL880SIM_PATH, {option});
        ASSERT_TRUE(process.waitForFinished(5000));
        EXPECT_EQ(process.exitCode(), 0) << option;
        EXPECT_TRUE(process.readAllStandardOutput().startsWith("usage: qel880-sim")) << option;
    }
    QProcess process;
    process.start(QEL880SIM_PATH, {"--model", "T", "--version"});
    ASSERT_TRUE(process.waitForFinished(5000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardOutput().toStdString(), "qel880-sim " QEL880_PROJECT_VERSION "\n");
}

} // namespace
