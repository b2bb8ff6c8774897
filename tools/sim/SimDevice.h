#pragma once

#include "SimHistory.h"
#include "SimOptions.h"
#include "SimRegisters.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <random>
#include <utility>
#include <vector>

// One simulated device: its registers, history, clock and live values. Both links use it, from
// different threads, so every operation takes the lock.
class TSimDevice {
public:
    enum class TWrite { Accepted, ReadOnly, OutOfRange, BadValue };
    static constexpr int kCommandRegister = 3000;

    explicit TSimDevice(const TSimOptions& options);

    // Register numbers are taken with or without bit 15. Nothing: outside the device's range.
    std::optional<std::uint16_t> Read(int reg);
    using TPairs = std::vector<std::pair<int, std::uint16_t>>;
    // Writes in order; the clock fields of one list are checked and set together.
    std::vector<TWrite> Write(const TPairs& pairs);
    // Moves the live values on by one second.
    void Tick();

    TSimModel Model() const { return options_.model; }

private:
    // Puts back the values the options hold against the live simulation.
    void HoldValues();
    std::uint16_t ReadLocked(int reg) const;
    TWrite WriteLocked(int reg, std::uint16_t value);
    bool AlternationAllowed(std::uint16_t value) const;
    bool Command(std::uint16_t code);
    std::optional<std::uint16_t> ClockField(int index) const;
    bool SetClock(const std::array<std::optional<int>, 6>& fields);

    const TSimOptions options_;
    std::mutex mutex_;
    TSimRegisters regs_;
    TSimHistory history_;
    std::mt19937 random_;
    std::int64_t clockOffsetMs_ = 0;
    int clock_ = 401;
};
