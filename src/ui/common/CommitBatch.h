#pragma once

#include <QString>

#include <span>

class QWidget;
class TEquipComm;
class TUserPrompts;

// One commit of a screen: every invalid field shows its own message and is skipped, the valid
// values are queued (only changed ones travel), and one "error sending" box closes a commit in
// which any write or the flush failed.
class TCommitBatch {
public:
    TCommitBatch(TEquipComm& session, TUserPrompts& prompts, QWidget* parent, QString errorSending);

    void Write(int reg, int value);
    void Write(int first, std::span<const int> values);
    // An invalid field: its message now, nothing written for it.
    void Invalid(const QString& message);
    // Flushes; true when everything was written.
    bool Finish();

private:
    TEquipComm& session_;
    TUserPrompts& prompts_;
    QWidget* parent_;
    QString errorSending_;
    bool ok_ = true;
};
