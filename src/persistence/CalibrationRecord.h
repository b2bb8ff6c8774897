#pragma once

#include "persistence/IniDocument.h"

#include <array>
#include <optional>
#include <string>

// One calibrated line: gain, offset and the points it was fitted to (only the first `points` count).
struct TCalibrationLine {
    static constexpr int kMaxPoints = 40;
    float gain = 1.0f;
    float offset = 0.0f;
    int points = 0;
    std::array<float, kMaxPoints> x{};
    std::array<float, kMaxPoints> y{};
};

struct TCurrentOutputCalibration {
    TCalibrationLine standard; // 0-32 mA board
    TCalibrationLine lowRange; // 0-1.5 mA board
};

// The calibration points and results of one device, kept in "calib" + serial number + ".ini" in the
// data folder so that a calibration can be resumed in a later run.
class TCalibrationRecord {
public:
    explicit TCalibrationRecord(std::string folder) : folder_(std::move(folder)) {}

    // Binds the record to the serial number's file (read again only when the serial number changes).
    void Load(int serialNumber);
    // Fills the record from a document already read; a negative serial number in it gives way to
    // the one the file is named after.
    void Read(const TIniDocument& document, int fileSerialNumber);
    // Writes the whole record into that serial number's file.
    bool Save(int serialNumber);
    const std::string& Folder() const { return folder_; }

    int serialNumber = 1;
    int res127 = 12700; // hundredths of an ohm
    std::array<TCurrentOutputCalibration, 4> currentOutputs;
    std::array<TCalibrationLine, 6> rtds;
    std::array<TCalibrationLine, 3> currentInputs;

private:
    void Bind(int serialNumber);
    std::string Path(int serialNumber) const;

    std::string folder_;
    std::optional<int> bound_;
    TIniDocument document_;
};

// Numbers of the record: up to 15 significant digits of the value widened to double, with the
// given decimal separator; read with either "." or "," (and an exponent).
std::string FormatCalibrationNumber(float value, char decimalSeparator);
std::optional<double> ParseCalibrationNumber(const std::string& text);
