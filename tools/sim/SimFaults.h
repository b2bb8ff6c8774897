#pragma once

#include "SimOptions.h"

#include <chrono>

// When the simulator started, for the faults that come at a time.
inline const std::chrono::steady_clock::time_point kSimStarted = std::chrono::steady_clock::now();

// The misbehaviour asked for on the command line, counted per link.
class TSimFaults {
public:
    explicit TSimFaults(const TSimOptions& options) : options_(options) {}

    // Counts one reply about to be sent; true when this one is to be dropped.
    bool DropReply() { return options_.dropEvery > 0 && ++replies_ % options_.dropEvery == 0; }
    bool CorruptCrc() { return options_.corruptCrcEvery > 0 && ++crcs_ % options_.corruptCrcEvery == 0; }
    // Counts one transaction; true when the connection is to be closed after it.
    bool CloseAfterThis() { return options_.closeAfter > 0 && ++transactions_ >= options_.closeAfter; }
    void ResetConnection() { transactions_ = 0; }

    bool Fails(int first, int count) const {
        const int r = options_.failRegister & 0x7FFF;
        return options_.failRegister >= 0 && r >= (first & 0x7FFF) && r < (first & 0x7FFF) + count;
    }
    // True once per link: for the first read that includes the --drop-first register.
    bool DropFirstRead(int first, int count) {
        const int r = options_.dropFirst & 0x7FFF;
        if (firstDropped_ || options_.dropFirst < 0 || r < (first & 0x7FFF) || r >= (first & 0x7FFF) + count)
            return false;
        firstDropped_ = true;
        return true;
    }
    bool ClosesOn(int reg, int value) const {
        return options_.closeOn && options_.closeOn->first == (reg & 0x7FFF) &&
               options_.closeOn->second == value;
    }
    // Within the --silent-after span: nothing is answered on any link.
    bool Silent() const {
        if (options_.silentAfter <= 0)
            return false;
        const auto s =
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - kSimStarted)
                .count();
        return s >= options_.silentAfter &&
               (options_.speakAfter <= 0 || s < options_.silentAfter + options_.speakAfter);
    }
    int DelayMs() const { return options_.delayMs; }
    bool Split() const { return options_.split; }
    bool StrayBytes() const { return options_.strayBytes; }
    bool NoEcho() const { return options_.noEcho; }
    bool Verbose() const { return options_.verbose; }

private:
    const TSimOptions& options_;
    long long replies_ = 0;
    long long crcs_ = 0;
    int transactions_ = 0;
    bool firstDropped_ = false;
};
