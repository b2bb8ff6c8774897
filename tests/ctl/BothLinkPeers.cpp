#include "BothLinkPeers.h"

#include "CtlHarness.h"

TBothLinkPeers::TBothLinkPeers() {
    FillIdentity(framed.registers);
    if (!pty.IsReady())
        return;
    rtu = std::make_unique<TModbusPeer>(pty.DeviceEnd().toLocal8Bit().constData(), 9600, 'N', 1);
    for (auto [reg, value] : framed.registers)
        rtu->SetRegister(reg, value);
}
