#include "ui/families/PausedCommit.h"

#include "persistence/EventLog.h"

TPausedCommit::TPausedCommit(std::function<void()> commit, std::function<void()> refill, int pauseMs)
    : commit_(std::move(commit)), refill_(std::move(refill)), pauseMs_(pauseMs) {}

void TPausedCommit::Run() {
    if (running_) {
        again_ = true;
        return;
    }
    running_ = true;
    do {
        again_ = false;
        commit_();
        EventLog::PauseHandlingEvents(pauseMs_);
    } while (again_);
    running_ = false;
    refill_();
}
