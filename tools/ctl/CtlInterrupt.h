#pragma once

#include <QTimer>

class TEquipComm;

// Ctrl+C and SIGTERM while it lives: the flag is set, and the session is closed within 50 ms, which
// ends any wait for a reply, so that the command ends with what it has.
class TCtlInterrupt {
public:
    explicit TCtlInterrupt(TEquipComm& session);
    ~TCtlInterrupt();
    TCtlInterrupt(const TCtlInterrupt&) = delete;
    TCtlInterrupt& operator=(const TCtlInterrupt&) = delete;

    bool Interrupted() const;

private:
    TEquipComm& session_;
    QTimer check_;
    void (*previousInt_)(int);
    void (*previousTerm_)(int);
};
