#pragma once

#include "link/LinkFailure.h"

class TEquipComm;

// Several reads queued and sent in one flush (over a serial link each runs at once, and the first
// that fails ends the batch: a silent device costs one time-out, not one per read).
class TReadBatch {
public:
    explicit TReadBatch(TEquipComm& session) : session_(session) {}

    TReadBatch& Add(int first, int count = 1);
    // False when any read or the flush failed; the queue is empty afterwards either way.
    bool Flush(double waitSeconds = 0);
    // Why the last flush failed: `Busy` when another transaction held the link.
    TLinkFailure Failure() const { return failure_; }

private:
    TEquipComm& session_;
    bool ok_ = true;
    TLinkFailure failure_ = TLinkFailure::None;
};
