#pragma once

#include <string>
#include <vector>

// What a configuration file of one family holds, in file order: the key, where its value lives on
// the device, its load default and the error register a failed load of it reports.
enum class TConfKind {
    Value,       // one register
    Password,    // 1600..1603, scrambled into one integer
    IpAddr,      // 1700 (low word) and 1701 (high word) as one 32-bit integer
    NetworkPort, // a register saved and loaded only when the session's network-port flag is set
    WifiText,    // sixteen registers of character pairs, at most 32 characters
    WifiPort,    // 1760..1762, written together
    UnitValue,   // parallelism: register base + bus address
    BusAddress,  // parallelism: saved from 1 + bus address, loaded into 1951
    SaveOnly,    // saved, never loaded
    Firmware,    // identity and time stamp, saved only
    SerialNumber,
    DateTime,
    Signature,
};

struct TConfKey {
    std::string section;
    std::string key;
    TConfKind kind;
    int reg;
    int fallback;
    int error;
    std::string textFallback = {};
};

constexpr const char* kGeneralConf = "GeneralConf";

// The keys of family 0..4 in file order.
const std::vector<TConfKey>& ConfSchema(int family);

// Keys shared by every family.
void AddGeneralKeys(std::vector<TConfKey>& keys, bool irrigation);
void AddSerialKeys(std::vector<TConfKey>& keys, int ports);

std::vector<TConfKey> ThermalConfSchema();
std::vector<TConfKey> ParallelismConfSchema();
std::vector<TConfKey> RegulatorConfSchema();
std::vector<TConfKey> IrrigationConfSchema();
std::vector<TConfKey> PositionIndicatorConfSchema();
