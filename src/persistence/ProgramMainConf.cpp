#include "persistence/ProgramMainConf.h"

namespace {

const char* const kGeneral = "GeneralSection";
const char* const kRelays = "Relays";
const char* const kIrrigation = "RelaysQEL880IRR";
// Key suffix of each family kept in the file; the position indicator has none.
const std::array<const char*, 4> kSuffix{"", "_QEL880P", "_QEL880R", "_QEL880IRR"};

std::string Key(const char* name, int family) {
    return std::string(name) + kSuffix[static_cast<std::size_t>(family)];
}

std::string IrrigationDefault(int index, int language) {
    if (index == 0)
        return language == 1 ? "Pump" : "Bomba";
    if (index <= 5) {
        static const char* const kPrefix[] = {"Ramal ", "Branch ", "Rama "};
        const int l = language >= 0 && language <= 2 ? language : 0;
        return kPrefix[l] + std::to_string(index);
    }
    return {};
}

} // namespace

void TProgramMainConf::Load(const std::string& folder) {
    path_ = folder + "conf.ini";
    document_.Load(path_);
    const TIniDocument& d = document_;
    lastEventLogPath = d.ReadString(kGeneral, "LastEventLogPath", "");
    lastLanguage = d.ReadInteger(kGeneral, "LastLanguage", 0);
    lastDevice = d.ReadInteger(kGeneral, "LastDevice", 0);
    detectFalhaSave = d.ReadString(kGeneral, "DetectFalhaSave", "");
    for (int family = 0; family < static_cast<int>(kSuffix.size()); ++family) {
        TConnectionSettings& c = connection[static_cast<std::size_t>(family)];
        const TConnectionSettings defaults;
        c.confFile = d.ReadString(kGeneral, Key("LastConfFile", family), defaults.confFile);
        c.deviceIp = d.ReadString(kGeneral, Key("LastDeviceIP", family), defaults.deviceIp);
        c.pcIp = d.ReadString(kGeneral, Key("LastPCIP", family), defaults.pcIp);
        c.ipPort = d.ReadInteger(kGeneral, Key("LastIPPort", family), defaults.ipPort);
        c.address = d.ReadString(kGeneral, Key("LastAddress", family), defaults.address);
        c.modbusAddress = d.ReadInteger(kGeneral, Key("LastModBusAddr", family), defaults.modbusAddress);
        c.baudRate = d.ReadInteger(kGeneral, Key("LastSerialBaudRate", family), defaults.baudRate);
        c.serialFormat = d.ReadInteger(kGeneral, Key("LastSerialFormat", family), defaults.serialFormat);
    }
    for (int n = 0; n < kNames; ++n) {
        const std::string key = "Name" + std::to_string(n + 1);
        relayNames[static_cast<std::size_t>(n)] = d.ReadString(kRelays, key, "RL" + std::to_string(n + 1));
        irrigationNames[static_cast<std::size_t>(n)] =
            n < 6 ? d.ReadString(kIrrigation, key, IrrigationDefault(n, lastLanguage)) : std::string();
    }
    recFilePath = d.ReadString(kIrrigation, "RecFilePath", "");
}

bool TProgramMainConf::Save() {
    TIniDocument& d = document_;
    d.WriteString(kGeneral, "LastEventLogPath", lastEventLogPath);
    d.WriteInteger(kGeneral, "LastLanguage", lastLanguage);
    d.WriteInteger(kGeneral, "LastDevice", lastDevice);
    auto writeConnection = [&](int family) {
        const TConnectionSettings& c = connection[static_cast<std::size_t>(family)];
        d.WriteString(kGeneral, Key("LastConfFile", family), c.confFile);
        d.WriteString(kGeneral, Key("LastDeviceIP", family), c.deviceIp);
        d.WriteString(kGeneral, Key("LastPCIP", family), c.pcIp);
        d.WriteInteger(kGeneral, Key("LastIPPort", family), c.ipPort);
        d.WriteString(kGeneral, Key("LastAddress", family), c.address);
        d.WriteInteger(kGeneral, Key("LastModBusAddr", family), c.modbusAddress);
        d.WriteInteger(kGeneral, Key("LastSerialBaudRate", family), c.baudRate);
        d.WriteInteger(kGeneral, Key("LastSerialFormat", family), c.serialFormat);
    };
    writeConnection(0);
    for (int n = 0; n < kNames; ++n)
        d.WriteString(kRelays, "Name" + std::to_string(n + 1), relayNames[static_cast<std::size_t>(n)]);
    d.WriteString(kGeneral, "DetectFalhaSave", detectFalhaSave);
    for (int family = 1; family < static_cast<int>(kSuffix.size()); ++family)
        writeConnection(family);
    for (int n = 0; n < kNames; ++n)
        d.WriteString(kIrrigation, "Name" + std::to_string(n + 1),
                      n < 6 ? irrigationNames[static_cast<std::size_t>(n)] : "");
    d.WriteString(kIrrigation, "RecFilePath", recFilePath);
    return d.Save(path_);
}
