#include "Hex.h"

#include "link/FrameReceiver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Feeds the pieces in turn and returns the bodies handed on, as hex without blanks.
std::vector<std::string> Bodies(TFrameReceiver& receiver, const std::vector<Bytes>& pieces) {
    std::vector<std::string> bodies;
    for (const Bytes& piece : pieces) {
        receiver.Feed(piece, [&](std::span<const std::uint8_t> body) {
            std::string hex;
            for (std::uint8_t b : body) {
                static const char* digits = "0123456789ABCDEF";
                hex += digits[b >> 4];
                hex += digits[b & 15];
            }
            bodies.push_back(hex);
        });
    }
    return bodies;
}

const char* const kFrame = "5D 73 91 AD 0A 00 02 00 01 00 01 00 DC 05 02 00";
const char* const kBody = "020001000100DC050200";

struct TReceiverCase {
    const char* name;
    std::vector<Bytes> pieces;
    std::vector<std::string> bodies;
};

TEST(FrameReceiver, Cases) {
    const std::string body = kBody;
    const Bytes frame = Hex(kFrame);
    const Bytes twice = [&] {
        Bytes b = frame;
        b.insert(b.end(), frame.begin(), frame.end());
        return b;
    }();
    Bytes oversize = Hex("5D 73 91 AD D1 07"); // 2001 bytes announced
    oversize.resize(oversize.size() + 2001, 0x5D);
    // Announces four bytes, which happen to be a magic: they are swallowed as the dropped body.
    const Bytes tooShort = Hex("5D 73 91 AD 04 00 5D 73 91 AD");

    const TReceiverCase cases[] = {
        {"whole frame", {frame}, {body}},
        {"stray byte inside the magic", {Hex("5D 00 73 91 AD 0A 00 02 00 01 00 01 00 DC 05 02 00")}, {body}},
        {"garbage before the magic", {Hex("FF 00 12"), frame}, {body}},
        {"split over three pieces",
         {Bytes(frame.begin(), frame.begin() + 3), Bytes(frame.begin() + 3, frame.begin() + 9),
          Bytes(frame.begin() + 9, frame.end())},
         {body}},
        {"two frames in one piece", {twice}, {body, body}},
        // The announced bytes are consumed, then the machine looks for the magic again.
        {"oversize body dropped", {oversize, frame}, {body}},
        {"body shorter than its header dropped", {tooShort, frame}, {body}},
        {"zero length then a frame", {Hex("5D 73 91 AD 00 00"), frame}, {body}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TFrameReceiver receiver;
        EXPECT_EQ(Bodies(receiver, c.pieces), c.bodies);
    }
}

TEST(FrameReceiver, ResetStartsAtTheMagic) {
    TFrameReceiver receiver;
    const Bytes frame = Hex(kFrame);
    EXPECT_TRUE(Bodies(receiver, {Bytes(frame.begin(), frame.begin() + 8)}).empty());
    receiver.Reset();
    EXPECT_EQ(Bodies(receiver, {frame}), std::vector<std::string>{kBody});
}

} // namespace
