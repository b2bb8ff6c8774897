#include "persistence/ConfSchema.h"

#include "persistence/PasswordScramble.h"

#include <array>

namespace {

constexpr int kDefaultIp = static_cast<int>(0xC0A80032u); // 192.168.0.50

} // namespace

void AddGeneralKeys(std::vector<TConfKey>& keys, bool irrigation) {
    using K = TConfKind;
    const std::string g = kGeneralConf;
    keys.push_back({g, "Senha", K::Password, 1600, PasswordScramble::Pack("JUXT"), 1600});
    keys.push_back({g, "Language", K::Value, 1500, 0, 1500});
    keys.push_back({g, "IpAddr", K::IpAddr, 1700, kDefaultIp, 1700});
    keys.push_back({g, "IpPort", K::Value, 1702, 43101, 1702});
    keys.push_back({g, "IpPortModBus", K::NetworkPort, 1703, 502, 1703});
    keys.push_back({g, "IpPortDNP3", K::NetworkPort, 1704, 503, 1704});
    if (irrigation) {
        keys.push_back({g, "WifiSsid", K::WifiText, 1720, 0, 1720, "Ssid"});
        keys.push_back({g, "WifiPass", K::WifiText, 1740, 0, 1740, "pass"});
        const int ports[] = {43101, 502, 503};
        for (int n = 0; n < 3; ++n)
            keys.push_back({g, "WifiPort" + std::to_string(n + 1), K::WifiPort, 1760 + n, ports[n], 1760});
    }
    keys.push_back({g, "FirmwareVersion", K::Firmware, 2000, 0, 0});
    keys.push_back({g, "SerialNumber", K::SerialNumber, 2501, 0, 0});
    keys.push_back({g, "DateTimeGenerated", K::DateTime, 0, 0, 0});
    keys.push_back({g, "DeviceSignature", K::Signature, 2002, 0, 0});
}

void AddSerialKeys(std::vector<TConfKey>& keys, int ports) {
    struct TBlock {
        const char* key;
        int first;
        int fallback;
    };
    static constexpr std::array<TBlock, 13> kBlocks{{
        {"ModoSerial", 1300, 0},
        {"Dnp3Baudrate", 1310, 0},
        {"Dnp3Format", 1320, 0},
        {"Dnp3Address", 1330, 4660},
        {"Dnp3AppConf", 1340, 0},
        {"Dnp3MaxInteroctetGap", 1350, 5},
        {"Dnp3BackoffFixed", 1360, 20},
        {"Dnp3BackoffRandom", 1370, 50},
        {"Dnp3InterframeGap", 1380, 0},
        {"ModbusBaudrate", 1400, 0},
        {"ModbusFormat", 1410, 0},
        {"ModbusAddress", 1420, 1},
        {"ModbusTxDelay", 1430, 0},
    }};
    for (int n = 1; n <= ports; ++n) {
        for (const TBlock& b : kBlocks)
            keys.push_back({"ConfSerial", b.key + std::to_string(n), TConfKind::Value, b.first + n - 1,
                            b.fallback, b.first});
    }
}

const std::vector<TConfKey>& ConfSchema(int family) {
    static const std::array<std::vector<TConfKey>, 5> schemas{
        ThermalConfSchema(),    ParallelismConfSchema(),       RegulatorConfSchema(),
        IrrigationConfSchema(), PositionIndicatorConfSchema(),
    };
    static const std::vector<TConfKey> none;
    return family >= 0 && family < 5 ? schemas[static_cast<std::size_t>(family)] : none;
}
