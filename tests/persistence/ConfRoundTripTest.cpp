#include "SimProcess.h"
#include "WaitUntil.h"

#include "link/EquipComm.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace {

struct TLink {
    const char* name;
    bool tcp;
};

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.starts_with("DateTimeGenerated="))
            lines.push_back(line);
    }
    return lines;
}

bool Connect(TEquipComm& session, const TSimProcess& sim, bool tcp, int family) {
    session.SetFamily(family);
    if (tcp) {
        if (!session.OpenTcp("127.0.0.1", "", sim.Port()) ||
            !WaitUntil([&] { return session.IsConnected(); }))
            return false;
    } else if (!session.OpenSerial(sim.RtuPath(), TLineSettings{}, true)) {
        return false;
    }
    session.SetNetworkPortFlag(session.ReadRegisters(1704, 1));
    return true;
}

// Settings changed on the first device, per family: register and value.
const std::vector<std::pair<int, int>> kChanges[] = {
    {{3, 88}, {45, 12}, {1008, 1}, {1431, 5}, {1500, 2}},
    {{1951, 5}, {26, 4}, {306, 2}, {201, 1}},
    {{21, 1180}, {151, 30}, {203, 260}, {708, 3}, {1412, 2}},
    {{2, 400}, {44, 7}, {225, 90}, {1760, 8080}, {1721, 0x5A5A}},
    {{701, 120}, {707, 1}, {303, 200}},
};

class ConfRoundTrip : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(ConfRoundTrip, SecondDeviceTakesTheFirstOnesSettings) {
    const auto [family, tcp] = GetParam();
    static const char* const kModels[] = {"T", "P", "R", "IRR", "C"};
    QTemporaryDir dir;
    const std::string first = dir.filePath("first.conf").toStdString();
    const std::string second = dir.filePath("second.conf").toStdString();

    TSimProcess simA({"--model", kModels[family]});
    TSimProcess simB({"--model", kModels[family]});
    ASSERT_TRUE(simA.IsReady() && simB.IsReady());
    {
        TEquipComm a;
        ASSERT_TRUE(Connect(a, simA, tcp, family));
        for (const auto& [reg, value] : kChanges[family])
            ASSERT_TRUE(a.WriteRegister(reg, value, false, true)) << reg;
        ASSERT_TRUE(RefreshConfiguration(a));
        ASSERT_TRUE(ConfFile::SaveConfFile(a, first));
    }
    TEquipComm b;
    ASSERT_TRUE(Connect(b, simB, tcp, family));
    ASSERT_TRUE(RefreshConfiguration(b));
    int error = 99;
    ASSERT_TRUE(ConfFile::LoadConfFile(b, first, error)) << "error register " << error;
    ASSERT_TRUE(RefreshConfiguration(b));
    ASSERT_TRUE(ConfFile::SaveConfFile(b, second));
    EXPECT_EQ(Lines(second), Lines(first));
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, ConfRoundTrip,
                         ::testing::Combine(::testing::Range(0, 5), ::testing::Bool()),
                         [](const auto& param) {
                             return "family" + std::to_string(std::get<0>(param.param)) +
                                    (std::get<1>(param.param) ? "_tcp" : "_rtu");
                         });

} // namespace
