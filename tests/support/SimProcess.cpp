#include "SimProcess.h"

#include <QDeadlineTimer>

TSimProcess::TSimProcess(const QStringList& arguments, std::uint16_t tcpPort) {
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.setReadChannel(QProcess::StandardOutput);
    process_.start(QEL880SIM_PATH, QStringList(arguments) << "--tcp" << QString::number(tcpPort)
                                                          << "--rtu-link" << dir_.filePath("rtu"));
    QDeadlineTimer deadline(5000);
    while ((port_ == 0 || rtuPath_.isEmpty()) && !deadline.hasExpired()) {
        if (!process_.canReadLine() && !process_.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
        while (process_.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process_.readLine()).trimmed();
            if (line.startsWith("rtu "))
                rtuPath_ = line.mid(4);
            else if (line.startsWith("tcp "))
                port_ = static_cast<std::uint16_t>(line.section(':', -1).toUInt());
        }
    }
}

TSimProcess::~TSimProcess() {
    Stop();
}

int TSimProcess::Stop() {
    if (process_.state() == QProcess::NotRunning)
        return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(2000);
        return -1;
    }
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}
