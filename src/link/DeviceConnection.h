#pragma once

#include "link/LinkTarget.h"
#include "model/FamilyProfile.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TEquipComm;

// The connection to one device of a family, the same for the window and qel880ctl: open the link,
// identify the device by its signature, log in, poll, count the polls the device leaves
// unanswered, and reopen a link that went away to the same device. Its phase is what a screen shows.
class TDeviceConnection : public QObject {
    Q_OBJECT
public:
    enum class TPhase { Closed, Opening, Identifying, LoggedIn, Busy, Silent, Recovering };
    enum class TStep {
        Done,
        AccessError,      // the link could not be opened (TCP: not connected in time)
        PortDenied,       // the system refused this user the serial port
        NotAnswering,     // silent, or answers only its identity
        NoSignature,      // no reply to the signature
        OtherFamily,      // a device of another family: OtherFamily() tells which
        InvalidSignature, // a signature of no family this one hands over to
        BadUnit,          // parallelism: a place in the group outside 0..15 (UnitReported())
    };
    enum class TPoll { Read, Busy, Failed, Lost };
    enum class TLogIn { LoggedIn, WrongPassword, LinkLost };
    enum class TRecovery { NotYet, Recovered, OtherDevice, PasswordRefused };
    static constexpr int kConnectWaitMs = 20000;
    static constexpr int kRecoveryWaitMs = 3000; // one attempt; the next comes a poll later

    TDeviceConnection(TEquipComm& session, int family);

    TPhase Phase() const { return phase_; }
    // Logged in, whether or not the last poll was answered.
    bool LoggedIn() const;
    const TFamilyProfile& Profile() const { return profile_; }
    // The variant and the unit's place the device holds now.
    TDeviceFacts Facts() const;
    std::optional<int> OtherFamily() const { return otherFamily_; }
    int UnitReported() const { return unitReported_; }
    // Polls in a row the device answered with a refusal.
    int RefusedPolls() const { return refusedPolls_; }
    // The device answered the last poll, or the connection's reads before the first: what the
    // image holds of the live registers is what it just sent.
    bool Answering() const;

    // Opens the link. Over TCP waits for the connection up to `waitMs`, calling `waiting` with the
    // seconds elapsed every 100 ms; a connection still pending then is abandoned.
    TStep Open(const TLinkTarget& target, const std::function<void(int seconds)>& waiting = {},
               int waitMs = kConnectWaitMs);
    // The signature, what the family reads to tell a live device, the network ports, the initial reads.
    TStep Identify();
    // Whether the device has the network ports: over TCP it has; over a serial link an exception
    // reply to their register means it has none. False when the device did not answer at all.
    bool DecideNetworkPorts();
    // The typed password against the device's; logged in, a lost link is reopened.
    TLogIn LogIn(const std::string& typed);
    TPoll Poll();
    // One attempt at reopening a lost link, while recovering.
    TRecovery Recover();
    // Ends the link at the user's word: nothing is kept to reopen.
    void Close();

signals:
    void phaseChanged();

private:
    void SetPhase(TPhase phase);
    bool WaitForTcp(const std::function<void(int)>& waiting, int waitMs);
    void ReadInitial();
    void StartPolling();
    // Parallelism: the place the device holds after a poll that chose its reads by `polledUnit`;
    // false when it lies outside the group.
    bool FollowUnit(int polledUnit);
    TPoll Lose();
    TRecovery CheckSameDevice();
    // The adapter's location now: the old one, or where its serial number or IDs are now.
    QString FindPort() const;
    void ForgetDevice();

    TEquipComm& session_;
    const TFamilyProfile& profile_;
    TPhase phase_ = TPhase::Closed;
    TLinkTarget target_;
    bool keepsTarget_ = false; // logged in: reopened when lost
    bool membrane_ = false;
    std::optional<int> otherFamily_;
    int unitReported_ = 0;
    int failedPolls_ = 0; // in a row
    int refusedPolls_ = 0;
    bool answered_ = false;
    std::uint64_t framesAtLastPoll_ = 0;
};
