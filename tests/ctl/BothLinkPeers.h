#pragma once

#include "FramedPeer.h"
#include "ModbusPeer.h"
#include "PtyPair.h"

#include <QStringList>

#include <memory>

// One thermal device served in this process on both links: a framed peer on loopback and a libmodbus
// slave behind a pty pair, both holding every register and starting with the same identity.
class TBothLinkPeers {
public:
    TBothLinkPeers();

    bool IsReady() const { return rtu && rtu->IsReady(); }
    QStringList Tcp() const { return {"--tcp", QStringLiteral("localhost:%1").arg(framed.Port())}; }
    QStringList Rtu() const { return {"--serial", pty.ProgramEnd()}; }

    TFramedPeer framed;
    TPtyPair pty;
    std::unique_ptr<TModbusPeer> rtu;
};
