#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <map>

// What the qel880ctl process tests share: running the client, and the identity a device answers with.
struct TRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs qel880ctl while this process keeps serving its in-process peers.
TRun RunCtl(const QStringList& arguments);
// The same as a user without privileges: as root (which opens any file whatever its mode), a copy
// of the client runs as nobody.
TRun RunCtlUnprivileged(const QStringList& arguments);
// Lets every user into `folder` (a temporary folder is its owner's alone).
bool OpenToEveryone(const QString& folder);

// A thermal device (family 0) with password JUXT and serial number 305419896.
void FillIdentity(std::map<std::uint16_t, std::uint16_t>& regs);
