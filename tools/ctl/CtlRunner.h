#pragma once

#include "CtlOptions.h"

#include "link/DeviceConnection.h"
#include "link/EquipComm.h"

#include <QTextStream>

#include <map>
#include <span>

// Runs one qel880ctl command over a device session; the result is the exit status.
class TCtlRunner {
public:
    TCtlRunner(const TCtlOptions& options, QTextStream& out, QTextStream& err);

    int Run();

private:
    int Dispatch();
    bool Open();
    // The device's signature belongs to the family of the command.
    bool CheckFamily(int family);
    int PasswordSet();
    bool CheckPassword();
    bool ReadRange(int first, int count);
    int Read();
    int Write();
    // One run short enough for a single RTU write-multiple, confirmed by its read-back.
    bool WriteRun(int first, std::span<const int> values);
    int Command();
    int Identify();
    int SaveConf();
    int LoadConf();
    int DiffConf();
    int Report();
    // Whether the device has the network ports, which its configuration file's keys depend on.
    bool DecideNetworkPorts();
    bool RefreshImage();
    int Fail(const QString& message);

    const TCtlOptions& options_;
    QTextStream& out_;
    QTextStream& err_;
    TEquipComm session_;
    TDeviceConnection connection_;
    std::map<int, std::uint16_t> received_;
};
