#pragma once

#include "model/TextTable.h"

#include <array>

// The headings of the commissioning report, in the language it is made in.
namespace CommissioningReportTexts {

enum TId {
    Title,
    Date,
    ProgramVersion,
    Identity,
    Model,
    SerialNumber,
    Firmware,
    IpAddress,
    IpPort,
    ModbusPort,
    Dnp3Port,
    BusAddress,
    Readings,
    Quantity,
    Value,
    Unit,
    Register,
    Configuration,
    Key,
    Hidden,
    Calibration,
    CalibrationLine,
    Gain,
    Offset,
    Points,
    Rtd,
    CurrentInput,
    CurrentOutput,
    CurrentOutputLow,
    Count
};

extern const std::array<Language::TText<TId>, Count> kTexts;

inline const char* Text(TId id, int language) {
    return kTexts[static_cast<std::size_t>(id)].text[static_cast<std::size_t>(Language::Index(language))];
}

} // namespace CommissioningReportTexts
