#include "link/FrameReceiver.h"

void TFrameReceiver::Reset() {
    state_ = TState::Magic0;
    expected_ = 0;
    count_ = 0;
}

void TFrameReceiver::Feed(std::span<const std::uint8_t> bytes, const TBodyHandler& onBody) {
    using FramedFrame::kMagic;
    for (std::uint8_t b : bytes) {
        switch (state_) {
        // A byte that is not the awaited magic byte leaves the state as it is.
        case TState::Magic0:
        case TState::Magic1:
        case TState::Magic2:
        case TState::Magic3: {
            const auto position = static_cast<std::size_t>(state_);
            if (b == kMagic[position])
                state_ = static_cast<TState>(position + 1);
            break;
        }
        case TState::LengthLow:
            expected_ = b;
            state_ = TState::LengthHigh;
            break;
        case TState::LengthHigh:
            expected_ += std::size_t{256} * b;
            count_ = 0;
            keep_ = expected_ >= FramedFrame::kHeaderSize && expected_ <= body_.size();
            state_ = expected_ == 0 ? TState::Magic0 : TState::Body;
            break;
        case TState::Body:
            if (keep_)
                body_[count_] = b;
            if (++count_ >= expected_) {
                state_ = TState::Magic0;
                if (keep_)
                    onBody(std::span<const std::uint8_t>(body_.data(), count_));
            }
            break;
        }
    }
}
