#pragma once

#include "persistence/SmallFile.h"

#include <string>
#include <vector>

// What became of a configuration-file load, for a caller that must say whether anything was written.
enum class TLoadOutcome {
    Loaded,
    Unreadable,  // the file could not be read (see readError)
    NotConfFile, // no [GeneralConf] section, or none of the family's keys
    OtherFamily, // the file's signature belongs to another family
    BadValue,    // badKey holds badValue, which the device cannot take
    MissingKeys, // the file lacks loadable keys and their defaults were not allowed
    WriteFailed, // the device refused or did not confirm the write of errorRegister
    FlushFailed, // the framed session's final batch was not confirmed
};

struct TLoadOptions {
    // A key the file lacks takes its default (older files rely on this); otherwise it is refused.
    bool defaultsForMissing = true;
};

struct TLoadReport {
    TLoadOutcome outcome = TLoadOutcome::Loaded;
    int errorRegister = 0;
    SmallFile::TReadError readError = SmallFile::TReadError::None;
    std::string badKey; // "Section/Key"
    std::string badValue;
    // Loadable keys the file lacks, "Section/Key", in file order.
    std::vector<std::string> missingKeys;
    // Settings whose value differed from the device's and that were sent (framed: queued) before the
    // load ended.
    int written = 0;
};
