#include "ui/common/CommitBatch.h"

#include "link/EquipComm.h"
#include "ui/common/UserPrompts.h"

TCommitBatch::TCommitBatch(TEquipComm& session, TUserPrompts& prompts, QWidget* parent, QString errorSending)
    : session_(session), prompts_(prompts), parent_(parent), errorSending_(std::move(errorSending)) {}

void TCommitBatch::Write(int reg, int value) {
    ok_ = session_.WriteRegister(reg, value, true) && ok_;
}

void TCommitBatch::Write(int first, std::span<const int> values) {
    ok_ = session_.WriteRegisters(first, values, true) && ok_;
}

void TCommitBatch::Invalid(const QString& message) {
    prompts_.Error(parent_, message);
}

bool TCommitBatch::Finish() {
    ok_ = session_.FlushWrites() && ok_;
    if (!ok_)
        prompts_.Error(parent_, errorSending_);
    return ok_;
}
