#pragma once

#include "link/LinkFailure.h"
#include "link/SerialComm.h"

#include <cstdint>
#include <functional>
#include <span>

class TRegisterImage;

// The register transactions over Modbus RTU on the serial channel. Register numbers given here
// are plain; the bank bit goes on the wire when `banked` is set.
class TRtuLink {
public:
    // Receives every register value that a valid reply carries, under its wire register number.
    using TValueSink = std::function<void(int wireRegister, std::uint16_t value)>;

    TRtuLink(const TRegisterImage& image, TValueSink sink);

    bool Open(const QString& path, const TLineSettings& settings);
    bool AccessDenied() const { return serial_.AccessDenied(); }
    // Called when the open port goes away; the link is closed by then.
    void SetLostHandler(std::function<void()> handler) { serial_.SetLostHandler(std::move(handler)); }
    void Close();
    bool IsOpen() const { return serial_.IsOpen(); }
    // A transaction is under way (its wait runs the event loop): another one fails as busy, unless
    // the one under way is a background one.
    bool IsPending() const { return pending_; }
    // The transactions started from now on belong to a background poll: one started during their
    // waits (the user's) goes first, after the poll's reply is in or overdue, and the poll's
    // transaction ends as busy.
    void SetBackground(bool background) { background_ = background; }
    TLinkFailure LastFailure() const { return failure_; }

    void SetAddress(std::uint8_t address) { address_ = address; }
    void SetBanked(bool banked) { banked_ = banked; }

    bool ReadRegisters(int first, int count);
    // Unconditional: the caller has already decided that the value must travel.
    bool WriteRegister(int reg, std::uint16_t value);
    bool WriteRegisters(int first, std::span<const std::uint16_t> values);
    bool SendCommand(std::uint16_t code);

private:
    // Runs one transaction unless another is under way, recording why it failed.
    template <typename Body> bool Transact(Body body);
    bool Read(int first, int count);
    std::uint16_t Wire(int reg) const;
    // Collects a reply of `wanted` bytes, returning early on a complete exception reply.
    std::vector<std::uint8_t> CollectReply(std::size_t wanted);
    bool ReadBack(int first, std::span<const std::uint16_t> values);

    const TRegisterImage& image_;
    TValueSink sink_;
    TSerialComm serial_;
    std::uint8_t address_ = 1;
    bool banked_ = false;
    bool pending_ = false;
    bool refused_ = false;           // the last reply was an exception
    bool background_ = false;        // for the transactions started from now on
    bool pendingBackground_ = false; // the transaction under way is a background one
    bool inBackground_ = false;      // the code running now is the background transaction's
    bool preempted_ = false;         // another transaction went before the background one
    // The reply the transaction under way awaits, for one that goes first.
    std::size_t pendingWanted_ = 0;
    TSerialComm::TClock::time_point pendingDeadline_{};
    TLinkFailure failure_ = TLinkFailure::None;
    std::chrono::milliseconds replyTimeout_{2000};
    std::chrono::milliseconds postWriteDelay_{150};
};
