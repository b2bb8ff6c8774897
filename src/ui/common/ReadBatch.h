#pragma once

class TEquipComm;

// Several reads queued and sent in one flush (over a serial link each runs at once).
class TReadBatch {
public:
    explicit TReadBatch(TEquipComm& session) : session_(session) {}

    TReadBatch& Add(int first, int count = 1);
    // False when any read or the flush failed; the queue is empty afterwards either way.
    bool Flush(double waitSeconds = 0);

private:
    TEquipComm& session_;
    bool ok_ = true;
};
