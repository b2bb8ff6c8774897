#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>

// qel880-sim running in the background with both links, for black-box tests.
class TSimProcess {
public:
    // `tcpPort` 0: a free port.
    explicit TSimProcess(const QStringList& arguments, std::uint16_t tcpPort = 0);
    ~TSimProcess();

    bool IsReady() const { return port_ != 0 && !rtuPath_.isEmpty(); }
    std::uint16_t Port() const { return port_; }
    QString RtuPath() const { return rtuPath_; }
    // Sends SIGTERM and returns the exit status (-1 if it did not end cleanly).
    int Stop();

private:
    QTemporaryDir dir_;
    QProcess process_;
    std::uint16_t port_ = 0;
    QString rtuPath_;
};
