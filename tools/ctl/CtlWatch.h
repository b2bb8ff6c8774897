#pragma once

#include "CtlOptions.h"

#include "link/LinkFailure.h"

#include <QTextStream>

#include <cstdint>
#include <map>

class TCtlInterrupt;
class TEquipComm;

// qel880ctl watch: the same registers read again and again, a line per sample, until interrupted.
class TCtlWatch {
public:
    // `received` is where the session's observer puts the values that arrive.
    TCtlWatch(TEquipComm& session, std::map<int, std::uint16_t>& received, const TCtlOptions& options,
              QTextStream& out, QTextStream& err);

    // 0 when interrupted; 1 when the link is gone or the device leaves five samples in a row
    // unanswered.
    int Run();

private:
    // Why the sample is missing; None when it was printed.
    TLinkFailure Sample();
    // Waits for the next sample; false once interrupted.
    bool Wait(int ms) const;

    TEquipComm& session_;
    std::map<int, std::uint16_t>& received_;
    const TCtlOptions& options_;
    QTextStream& out_;
    QTextStream& err_;
    const TCtlInterrupt* interrupt_ = nullptr; // while running
};
