#pragma once

#include "link/SerialComm.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

enum class TCtlCommand {
    Read,
    Write,
    Command,
    Identify,
    SaveConf,
    LoadConf,
    Events,
    EraseEvents,
    Maxima,
    Clock,
    ClockSet,
    PasswordSet,
    Records,
    EraseRecords,
    DiffConf,
    Watch,
    Report
};

// The command line of qel880ctl, checked for ranges.
struct TCtlOptions {
    QString serialPath; // empty: TCP
    TLineSettings line;
    std::uint8_t address = 1;
    QString host;
    std::uint16_t port = 43101;
    QString localIp;
    int family = 0;
    std::optional<QString> password;

    TCtlCommand command = TCtlCommand::Identify;
    QString commandName;             // as typed
    int first = 0;                   // read: first register; write: register
    int count = 1;                   // read
    std::vector<int> values;         // write: values; command: the code
    QString file;                    // save-conf, load-conf, diff-conf, report, events, records
    bool defaultsForMissing = false; // load-conf: keys the file lacks take their defaults
    std::optional<QDateTime> clock;  // clock set: the time to set, nothing for the computer's now
    QString newPassword;             // password set, in capitals
    int intervalMs = 1000;           // watch: between samples
    bool csv = false;                // watch: CSV lines with a header
    bool ChangesDevice() const {
        return command == TCtlCommand::Write || command == TCtlCommand::Command ||
               command == TCtlCommand::LoadConf || command == TCtlCommand::EraseEvents ||
               command == TCtlCommand::ClockSet || command == TCtlCommand::PasswordSet ||
               command == TCtlCommand::EraseRecords;
    }
    // The family a command belongs to, if it belongs to one.
    std::optional<int> CommandFamily() const {
        const bool thermal = command == TCtlCommand::Events || command == TCtlCommand::EraseEvents ||
                             command == TCtlCommand::Maxima;
        if (thermal)
            return 0;
        if (command == TCtlCommand::Records || command == TCtlCommand::EraseRecords)
            return 3;
        return std::nullopt;
    }
};

// What the command line asks for: a command, or only the help or the version.
enum class TCtlRequest { Run, Help, Version };

struct TCtlParse {
    TCtlRequest request = TCtlRequest::Run;
    std::optional<TCtlOptions> options;
    QString error; // set when options is empty
};

TCtlParse ParseCtlArguments(const QStringList& arguments); // without the program name

extern const char* const kCtlUsage;
