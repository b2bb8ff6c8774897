#pragma once

#include "link/FramedFrame.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

// Byte-wise receive machine of the framed protocol. It keeps its state between calls, so a
// frame may arrive in several pieces and one piece may carry several frames.
class TFrameReceiver {
public:
    using TBodyHandler = std::function<void(std::span<const std::uint8_t> body)>;

    void Reset();
    void Feed(std::span<const std::uint8_t> bytes, const TBodyHandler& onBody);

private:
    enum class TState { Magic0, Magic1, Magic2, Magic3, LengthLow, LengthHigh, Body };

    TState state_ = TState::Magic0;
    std::size_t expected_ = 0;
    std::size_t count_ = 0;
    bool keep_ = false; // false: the announced body is consumed and dropped
    std::array<std::uint8_t, FramedFrame::kBufferSize> body_{};
};
