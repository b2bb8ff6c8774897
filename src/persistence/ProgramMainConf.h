#pragma once

#include "persistence/IniDocument.h"

#include <array>
#include <string>

// The last connection values of one family.
struct TConnectionSettings {
    std::string confFile;
    std::string deviceIp;
    std::string pcIp;
    int ipPort = 43101;
    std::string address = "localhost"; // reaches the bundled simulator on a first run
    int modbusAddress = 1;
    int baudRate = 9600;
    int serialFormat = 0; // 0 8N1, 1 8E1, 2 8O1, 3 8N2
};

// The program's settings, held for the whole run and kept in conf.ini in the data folder. The file
// is read once; every save writes the whole document back, with whatever else it holds.
class TProgramMainConf {
public:
    static constexpr int kFamilies = 5;
    static constexpr int kNames = 10;

    // Reads `folder` + "conf.ini" (missing or unreadable: all defaults).
    void Load(const std::string& folder);
    bool Save();

    std::string lastEventLogPath;
    int lastLanguage = 0;
    int lastDevice = 0;
    std::string detectFalhaSave;
    // Families 0..3 are kept in the file; the position indicator's (4) last for the run only.
    std::array<TConnectionSettings, kFamilies> connection;
    std::array<std::string, kNames> relayNames;
    std::array<std::string, kNames> irrigationNames; // 1..6 used: the pump and five branches
    std::string recFilePath;

private:
    std::string path_;
    TIniDocument document_;
};
