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

// A thermal device (family 0) with password JUXT and serial number 305419896.
void FillIdentity(std::map<std::uint16_t, std::uint16_t>& regs);
