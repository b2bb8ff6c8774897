#pragma once

#include "persistence/ConfLoadReport.h"

#include <string>
#include <vector>

class TEquipComm;
class TIniDocument;

// Saving the connected device's setting set to a ".conf" file and loading such a file into a
// device of the same family. Both work on the session's family and register image; the screens
// refresh the image from the device first.
namespace ConfFile {

// The document a save writes, from the session's image.
TIniDocument ConfDocument(const TEquipComm& session);
// False when the file cannot be written (the previous file, if any, is left as it was).
bool SaveConfFile(const TEquipComm& session, const std::string& path);

// Reads and checks the file as a load would, sending nothing: the outcome is Loaded when the load
// would go ahead (missingKeys tells which keys would take their defaults).
TLoadReport CheckConfFile(const TEquipComm& session, const std::string& path);
// The same check of a document already read, for a family and network-port flag.
TLoadReport CheckConfDocument(int family, bool networkPortFlag, const TIniDocument& document);

// Checks every value first: an unreadable file or one that is not a configuration file (0), a
// file of another family (-1), a value the device cannot hold (that key's error register) or,
// unless allowed, missing keys are refused before anything is sent. Then writes what differs from
// the image, stopping at the first failure with its error register; a failed final flush of a
// framed session reports 0.
bool LoadConfFile(TEquipComm& session, const std::string& path, const TLoadOptions& options,
                  TLoadReport& report);
bool LoadConfFile(TEquipComm& session, const std::string& path, int& errorRegister);

// A setting whose value in a file differs from the device's, both as the file writes them (an IP
// address dotted, a password and a Wi-Fi text as their characters).
struct TConfDifference {
    std::string section;
    std::string key;
    std::string device;
    std::string file;
};

// The settings a load of the file would change, in file order, after the same checks as the load
// (report.outcome says why a file is refused; then there are no differences). Refresh the image
// first. A parallelism file that moves the unit is compared at the file's bus address: those cells
// are read from the device; nothing is written.
std::vector<TConfDifference> DiffConfFile(TEquipComm& session, const std::string& path, TLoadReport& report);

// Days since 1899-12-30 with the time of day as the fraction, "." as the separator, up to 15
// significant digits.
std::string FormatDateTimeGenerated(double days);

} // namespace ConfFile
