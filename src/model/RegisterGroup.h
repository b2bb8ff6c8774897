#pragma once

#include <cstdint>

// The groups of cells of the register image. All families' groups coexist; an indexed getter
// reads one group, index 0 being the first register of its row.
enum class TGroup : std::uint16_t {
    // Common to every family
    ModoSerial,
    Dnp3Baudrate,
    Dnp3Format,
    Dnp3Address,
    Dnp3AppConf,
    Dnp3MaxInteroctetGap,
    Dnp3BackoffFixed,
    Dnp3BackoffRandom,
    Dnp3InterframeGap,
    ModbusBaudrate,
    ModbusFormat,
    ModbusAddress,
    ModbusTxDelay,
    Language,
    Password, // bytes
    IpAddr,
    IpPort,
    IpPortModBus,
    IpPortDNP3,
    WifiSsid, // bytes
    WifiPass, // bytes
    WifiPort,
    WifiIp,
    WifiMac,
    WifiSignal,
    FirmwareVersion,
    MinProgramVersion,
    DeviceSignature,
    TestMode,
    ForcedCurrent,
    CalibrationDisabled,
    ParamBlockSize,
    TestParams,
    SimulatedValues,
    LastErrors,
    SerialNumberLow,
    SerialNumberHigh,
    OutputCalibA1,
    OutputCalibA2,
    ReferenceResistance,
    RtdGains,
    RtdOffsets,
    RtdResistances,
    CurrentInputGains,
    CurrentInputOffsets,
    OutputCalibB1,
    OutputCalibB2,
    CurrentInputReadings,
    BoardTypes,

    // Per family
    Clock, // hour, minute, second, day, month, year - 2000

    Count
};

constexpr std::size_t kGroupCount = static_cast<std::size_t>(TGroup::Count);
