#include "CtlHarness.h"

#include "WaitUntil.h"

#include <QProcess>

TRun RunCtl(const QStringList& arguments) {
    QProcess process;
    process.start(QEL880CTL_PATH, arguments);
    TRun run;
    if (!process.waitForStarted(5000) ||
        !WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

void FillIdentity(std::map<std::uint16_t, std::uint16_t>& regs) {
    regs[2000] = 0x1206;
    regs[2001] = 0x1200;
    regs[2002] = 23847;
    regs[2501] = 0x5678;
    regs[2502] = 0x9234;
    for (int i = 0; i < 4; ++i)
        regs[static_cast<std::uint16_t>(1600 + i)] = static_cast<std::uint16_t>("JUXT"[i]);
}
