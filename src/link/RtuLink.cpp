#include "link/RtuLink.h"

#include "link/RtuFrame.h"
#include "model/RegisterImage.h"

namespace {

constexpr int kCommandRegister = 3000;
constexpr int kBankBit = 0x8000;
constexpr int kWriteLimitMs = 2000;

} // namespace

TRtuLink::TRtuLink(const TRegisterImage& image, TValueSink sink) : image_(image), sink_(std::move(sink)) {}

bool TRtuLink::Open(const QString& path, const TLineSettings& settings) {
    replyTimeout_ = std::chrono::milliseconds(2000);
    postWriteDelay_ = std::chrono::milliseconds(150);
    return serial_.OpenPort(path, settings);
}

void TRtuLink::Close() {
    serial_.ClosePort();
}

std::uint16_t TRtuLink::Wire(int reg) const {
    return static_cast<std::uint16_t>(banked_ ? (reg + kBankBit) & 0xFFFF : reg);
}

template <typename Body> bool TRtuLink::Transact(Body body) {
    const bool background = background_;
    if (pending_ && (background || !pendingBackground_)) {
        failure_ = TLinkFailure::Busy;
        return false;
    }
    const bool preempting = pending_;
    if (preempting) {
        // The poll's reply, if it comes, is let in and dropped, so that it is not taken for ours.
        serial_.AwaitBytes(pendingWanted_, pendingDeadline_);
        serial_.FlushInput();
        preempted_ = true;
    }
    if (!serial_.IsOpen()) {
        failure_ = TLinkFailure::Closed;
        return false;
    }
    const bool outerInBackground = inBackground_;
    pending_ = true;
    pendingBackground_ = background;
    inBackground_ = background;
    if (background)
        preempted_ = false;
    background_ = false; // what the event loop starts during the waits is the user's
    refused_ = false;
    bool ok = body();
    background_ = background;
    inBackground_ = outerInBackground;
    pending_ = false;
    pendingBackground_ = false;
    if (background && preempted_) {
        preempted_ = false;
        failure_ = TLinkFailure::Busy;
        return false;
    }
    if (preempting)
        serial_.QuitWait(); // the poll below ends now
    failure_ = ok                  ? TLinkFailure::None
               : !serial_.IsOpen() ? TLinkFailure::Closed
               : refused_          ? TLinkFailure::Refused
                                   : TLinkFailure::NoReply;
    return ok;
}

std::vector<std::uint8_t> TRtuLink::CollectReply(std::size_t wanted) {
    const auto deadline = TSerialComm::TClock::now() + replyTimeout_;
    pendingWanted_ = wanted;
    pendingDeadline_ = deadline;
    std::vector<std::uint8_t> reply;
    serial_.ReadBytes(reply, RtuFrame::kExceptionReplySize, deadline);
    if (RtuFrame::IsExceptionReply(reply))
        refused_ = true;
    else
        serial_.ReadBytes(reply, wanted, deadline);
    return reply;
}

bool TRtuLink::ReadRegisters(int first, int count) {
    if (count < 1 || count > RtuFrame::kMaxReadCount || first < 0 || first + count - 1 > 0xFFFF)
        return false;
    return Transact([&] { return Read(first, count); });
}

bool TRtuLink::Read(int first, int count) {
    const std::uint16_t wireFirst = Wire(first);
    const auto request = RtuFrame::BuildRead(address_, wireFirst, static_cast<std::uint16_t>(count));
    const std::size_t wanted = 2 * static_cast<std::size_t>(count) + 5;
    // Until the reply is awaited, one that goes first waits as long as this one will.
    pendingWanted_ = wanted;
    pendingDeadline_ = TSerialComm::TClock::now() + replyTimeout_ + std::chrono::milliseconds(kWriteLimitMs);
    serial_.FlushInput();
    if (!serial_.WriteBytes(request))
        return false;
    const auto reply = CollectReply(wanted);
    // Another transaction went first during the wait: what came is not this one's reply.
    if (inBackground_ && preempted_)
        return false;
    const auto values = RtuFrame::ParseReadReply(reply, count);
    // A reply is exactly its length: bytes right behind it mean it was not the reply asked for.
    if (!values || serial_.TrailingBytes(2 * serial_.CharacterTime()))
        return false;
    for (std::size_t i = 0; i < values->size(); ++i)
        sink_((wireFirst + static_cast<int>(i)) & 0xFFFF, (*values)[i]);
    return true;
}

bool TRtuLink::ReadBack(int first, std::span<const std::uint16_t> values) {
    serial_.Pause(static_cast<int>(postWriteDelay_.count()));
    if (!serial_.IsOpen() || !Read(first, static_cast<int>(values.size())))
        return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (image_.FetchRegister(first + static_cast<int>(i)) != values[i]) {
            refused_ = true; // the device answers, but kept another value
            return false;
        }
    }
    return true;
}

bool TRtuLink::WriteRegister(int reg, std::uint16_t value) {
    // The echo is not awaited: the read-back's input flush discards it.
    return Transact([&] {
        return serial_.WriteBytes(RtuFrame::BuildWrite(address_, Wire(reg), value)) &&
               ReadBack(reg, std::span<const std::uint16_t>(&value, 1));
    });
}

bool TRtuLink::WriteRegisters(int first, std::span<const std::uint16_t> values) {
    if (values.empty() || values.size() > static_cast<std::size_t>(RtuFrame::kMaxWriteCount) ||
        first + static_cast<int>(values.size()) - 1 > 0xFFFF)
        return false;
    return Transact([&] {
        return serial_.WriteBytes(RtuFrame::BuildWriteMultiple(address_, Wire(first), values)) &&
               ReadBack(first, values);
    });
}

bool TRtuLink::SendCommand(std::uint16_t code) {
    const auto request = RtuFrame::BuildWrite(address_, Wire(kCommandRegister), code);
    return Transact([&] {
        // An echo left over from an earlier exchange must not confirm this command.
        serial_.FlushInput();
        if (!serial_.WriteBytes(request))
            return false;
        serial_.Pause(static_cast<int>(postWriteDelay_.count()));
        return serial_.IsOpen() && RtuFrame::IsEchoOf(CollectReply(request.size()), request);
    });
}
