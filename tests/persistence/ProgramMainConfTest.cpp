#include "persistence/ProgramMainConf.h"
#include "persistence/DataFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <sstream>

namespace {

std::vector<std::string> Keys(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> keys;
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.starts_with('['))
            section = line;
        else
            keys.push_back(section + line.substr(0, line.find('=')));
    }
    return keys;
}

class ProgramMainConf : public ::testing::Test {
protected:
    std::string Folder() const { return dir.path().toStdString() + "/"; }
    QTemporaryDir dir;
};

TEST_F(ProgramMainConf, FirstRunWritesEveryKey) {
    TProgramMainConf conf;
    conf.Load(Folder());
    EXPECT_EQ(conf.connection[0].address, "localhost");
    EXPECT_EQ(conf.connection[2].ipPort, 43101);
    EXPECT_EQ(conf.relayNames[9], "RL10");
    EXPECT_EQ(conf.irrigationNames[0], "Bomba");
    EXPECT_EQ(conf.irrigationNames[5], "Ramal 5");
    ASSERT_TRUE(conf.Save());

    const auto keys = Keys(Folder() + "conf.ini");
    std::vector<std::string> expected;
    const char* general[] = {"LastEventLogPath", "LastLanguage", "LastDevice"};
    const char* perFamily[] = {"LastConfFile", "LastDeviceIP",   "LastPCIP",           "LastIPPort",
                               "LastAddress",  "LastModBusAddr", "LastSerialBaudRate", "LastSerialFormat"};
    for (const char* k : general)
        expected.push_back(std::string("[GeneralSection]") + k);
    for (const char* suffix : {"", "DetectFalhaSave", "_QEL880P", "_QEL880R", "_QEL880IRR"}) {
        if (std::string(suffix) == "DetectFalhaSave") {
            expected.push_back("[GeneralSection]DetectFalhaSave");
            continue;
        }
        for (const char* k : perFamily)
            expected.push_back(std::string("[GeneralSection]") + k + suffix);
    }
    for (int n = 1; n <= 10; ++n)
        expected.push_back("[Relays]Name" + std::to_string(n));
    for (int n = 1; n <= 10; ++n)
        expected.push_back("[RelaysQEL880IRR]Name" + std::to_string(n));
    expected.push_back("[RelaysQEL880IRR]RecFilePath");
    EXPECT_EQ(keys, expected);
}

TEST_F(ProgramMainConf, KeepsForeignKeysAndForgetsTheIndicator) {
    {
        std::ofstream f(Folder() + "conf.ini");
        f << "[GeneralSection]\nLastLanguage=1\nLastDevice=3\n[Tools]\nEditor=vi\n";
    }
    TProgramMainConf conf;
    conf.Load(Folder());
    EXPECT_EQ(conf.lastDevice, 3);
    EXPECT_EQ(conf.irrigationNames[0], "Pump"); // defaults follow the language just read
    EXPECT_EQ(conf.irrigationNames[1], "Branch 1");
    conf.connection[4].deviceIp = "10.0.0.9";
    conf.relayNames[0] = "Fan";
    ASSERT_TRUE(conf.Save());

    TProgramMainConf again;
    again.Load(Folder());
    EXPECT_EQ(again.relayNames[0], "Fan");
    EXPECT_EQ(again.connection[4].deviceIp, ""); // the position indicator's values last for the run only
    TIniDocument d;
    ASSERT_TRUE(d.Load(Folder() + "conf.ini"));
    EXPECT_EQ(d.ReadString("Tools", "Editor", ""), "vi");
}

TEST(DataFolder, UnderTheDocumentsFolder) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    const std::string folder = DataFolder();
    qputenv("HOME", oldHome);
    EXPECT_EQ(folder, home.path().toStdString() + "/Documents/Corvane/QEL880/");
    EXPECT_TRUE(QDir(QString::fromStdString(folder)).exists());
}

} // namespace
