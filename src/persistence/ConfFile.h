#pragma once

#include <string>

class TEquipComm;

// Saving the connected device's setting set to a ".conf" file and loading such a file into a
// device of the same family. Both work on the session's family and register image; the screens
// refresh the image from the device first.
namespace ConfFile {

// Error register of a file of another family.
constexpr int kOtherFamily = -1;

// False when the file cannot be written (the previous file, if any, is left as it was).
bool SaveConfFile(const TEquipComm& session, const std::string& path);

// Checks every value first: a file of another family (-1), an unreadable file or one without any of
// the family's sections (0), or a value the device cannot hold (that key's error register) is
// refused before anything is sent. Then writes what differs from the image, stopping at the first
// failure with its error register; a failed final flush of a framed session reports 0.
bool LoadConfFile(TEquipComm& session, const std::string& path, int& errorRegister);

// Days since 1899-12-30 with the time of day as the fraction, "." as the separator, up to 15
// significant digits.
std::string FormatDateTimeGenerated(double days);

} // namespace ConfFile
