// RTU reply validation must accept only replies of exactly the asked shape.
#include "link/RtuFrame.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const int count = data[0] % 130; // includes counts the session never asks for
    const std::span<const std::uint8_t> reply(data + 1, size - 1);
    const auto values = RtuFrame::ParseReadReply(reply, count);
    if (values && (values->size() != static_cast<std::size_t>(count) || reply.size() != 2u * count + 5 ||
                   !RtuFrame::HasValidCrc(reply)))
        std::abort();
    const auto request = RtuFrame::BuildWrite(1, 3000, 100);
    if (RtuFrame::IsEchoOf(reply, request) && (reply.size() != 8 || !RtuFrame::HasValidCrc(reply)))
        std::abort();
    if (RtuFrame::IsExceptionReply(reply) && (reply.size() != 5 || (reply[1] & 0x80) == 0))
        std::abort();
    return 0;
}
