#include "ui/common/ReadBatch.h"

#include "link/EquipComm.h"

TReadBatch& TReadBatch::Add(int first, int count) {
    ok_ = session_.ReadRegisters(first, count, true) && ok_;
    return *this;
}

bool TReadBatch::Flush(double waitSeconds) {
    const bool flushed = session_.FlushReads(waitSeconds);
    const bool ok = ok_ && flushed;
    ok_ = true;
    return ok;
}
