#pragma once

#include <QDateTime>

#include <string>

class TCalibrationRecord;
class TEquipComm;

// A commissioning report of the connected device as one HTML page (well-formed XHTML, so that it
// opens in any browser and parses as XML): the date and program version, the device's identity,
// every setting its configuration file holds, by section and key, the live readings its general
// screen shows and, for a thermal monitor, the points of its calibration record.
namespace CommissioningReport {

struct TInputs {
    int language = 0; // 0 Portuguese, 1 English, 2 Spanish
    QDateTime when;
    const TCalibrationRecord* calibration = nullptr; // thermal monitor: its record, when one is kept
};

// Refreshes the image as a configuration save does, then reads the live readings. False at the
// first failed read.
bool Read(TEquipComm& session);

// The page of what the image holds, UTF-8.
std::string Html(const TEquipComm& session, const TInputs& inputs);

// Writes the page beside the target and renames it over it; false when it cannot be written.
bool SaveHtml(const std::string& html, const std::string& path);

} // namespace CommissioningReport
