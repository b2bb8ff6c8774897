#include "link/ReadBatch.h"

#include "link/EquipComm.h"

TReadBatch& TReadBatch::Add(int first, int count) {
    if (!ok_ && !session_.IsTcp())
        return *this;
    if (!session_.ReadRegisters(first, count, true) && ok_) {
        ok_ = false;
        failure_ = session_.LastFailure();
    }
    return *this;
}

bool TReadBatch::Flush(double waitSeconds) {
    if (ok_)
        failure_ = TLinkFailure::None;
    const bool flushed = session_.FlushReads(waitSeconds);
    if (!flushed && ok_)
        failure_ = session_.LastFailure();
    const bool ok = ok_ && flushed;
    ok_ = true;
    return ok;
}
