#pragma once

// Registers that every family has at the same number.
namespace SharedRegisters {

constexpr int kLanguage = 1500;
constexpr int kPassword = 1600; // four characters, 1600..1603
constexpr int kPasswordLength = 4;
constexpr int kIpAddressLow = 1700;
constexpr int kIpAddressHigh = 1701;
constexpr int kIpPort = 1702;
constexpr int kNetworkPortsProbe = 1704; // present only on devices with the network ports
constexpr int kBusAddress = 1951;        // parallelism: the unit's own place in its group
constexpr int kFirmware = 2000;
constexpr int kMinProgram = 2001;
constexpr int kSignature = 2002;
constexpr int kSerialNumber = 2501; // two registers
constexpr int kCommand = 3000;

} // namespace SharedRegisters
