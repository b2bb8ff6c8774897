#pragma once

#include <functional>

// A commit that lets the device settle before the screen is refilled from the image. The wait goes
// on handling events, so the user may leave another box meanwhile: that commit is not nested inside
// the running one (its transactions would fail at once) but runs when the wait ends, with a wait of
// its own, and the refill comes last.
class TPausedCommit {
public:
    TPausedCommit(std::function<void()> commit, std::function<void()> refill, int pauseMs);

    void Run();

private:
    std::function<void()> commit_;
    std::function<void()> refill_;
    int pauseMs_;
    bool running_ = false;
    bool again_ = false;
};
