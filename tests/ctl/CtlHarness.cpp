#include "CtlHarness.h"

#include "WaitUntil.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

TRun Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    TRun run;
    if (!process.waitForStarted(5000) ||
        !WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

} // namespace

TRun RunCtl(const QStringList& arguments) {
    return Run(QEL880CTL_PATH, arguments);
}

bool OpenToEveryone(const QString& folder) {
    return QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                             QFileDevice::ExeOther);
}

TRun RunCtlUnprivileged(const QStringList& arguments) {
    if (geteuid() != 0)
        return RunCtl(arguments);
    // Nobody may be kept out of the build tree (a checkout under /root).
    QTemporaryDir dir;
    const QString copy = dir.filePath("qel880ctl");
    if (!OpenToEveryone(dir.path()) || !QFile::copy(QEL880CTL_PATH, copy))
        return {};
    return Run("setpriv", QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", copy} + arguments);
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
