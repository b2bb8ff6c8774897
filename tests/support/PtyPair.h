#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// Two pseudo-terminals joined by socat, like a null-modem cable: bytes written on one end are
// read on the other.
class TPtyPair {
public:
    TPtyPair();
    ~TPtyPair();

    bool IsReady() const { return ready_; }
    QString ProgramEnd() const { return dir_.filePath("program"); }
    QString DeviceEnd() const { return dir_.filePath("device"); }
    // Ends the cable: both pseudo-terminals go away, as a pulled USB adapter does.
    void Cut();

private:
    QTemporaryDir dir_;
    QProcess socat_;
    bool ready_ = false;
};
