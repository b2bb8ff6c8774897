// Whatever a peer sends, the receive machine must stay inside its buffers and hand on only bodies
// that the body parser can take apart within their bounds.
#include "link/FrameReceiver.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFrameReceiver receiver;
    std::size_t at = 0;
    // The first byte of each piece chooses how many of the following bytes arrive together.
    while (at < size) {
        const std::size_t piece = std::min<std::size_t>(1 + data[at] % 64, size - at - 1);
        ++at;
        receiver.Feed(
            std::span<const std::uint8_t>(data + at, piece), [](std::span<const std::uint8_t> body) {
                if (body.size() < FramedFrame::kHeaderSize || body.size() > FramedFrame::kBufferSize)
                    std::abort();
                const auto parsed = FramedFrame::ParseBody(body);
                if (!parsed || parsed->pairs.size() > (body.size() - FramedFrame::kHeaderSize) / 4 ||
                    parsed->pairs.size() > parsed->itemCount)
                    std::abort();
            });
        at += piece;
    }
    return 0;
}
