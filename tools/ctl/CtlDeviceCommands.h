#pragma once

#include "CtlOptions.h"

#include <QTextStream>

#include <functional>
#include <string>
#include <vector>

class TCtlInterrupt;
class TEquipComm;

// The qel880ctl commands of the device's history and clock, on an open and checked session. Each
// returns the exit status; a failure is reported through `fail`.
class TCtlDeviceCommands {
public:
    using TFail = std::function<int(const QString&)>;

    TCtlDeviceCommands(TEquipComm& session, const TCtlOptions& options, QTextStream& out, QTextStream& err,
                       TFail fail);

    int Events();
    int EraseEvents();
    int Maxima();
    int Clock();
    int ClockSet();
    int Records();
    int EraseRecords();

private:
    // Progress is for a person watching, not for a log.
    void Progress(const QString& text);
    void EndProgress();
    // A download cut short: what was read goes to FILE.partial, FILE stays as it was; exit 1.
    int KeepPartial(const std::vector<std::string>& lines, const QString& what);
    static QString Stopped(const TCtlInterrupt& interrupt);

    TEquipComm& session_;
    const TCtlOptions& options_;
    QTextStream& out_;
    QTextStream& err_;
    TFail fail_;
    bool terminal_;
};
