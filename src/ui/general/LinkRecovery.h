#pragma once

#include "link/SerialComm.h"

#include <QString>

#include <cstdint>
#include <string>

class TEquipComm;

// What a lost link is reopened to, and the device it must find there. The password is the one
// typed at the connection, kept in memory for the session only.
struct TLinkTarget {
    bool serial = false;
    QString port; // serial: the system location as opened
    TLineSettings line;
    bool comPort = true;
    std::uint8_t address = 1;
    // The adapter, for finding it again under another location.
    QString adapterSerialNumber;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    QString deviceIp; // TCP
    QString pcIp;
    std::uint16_t tcpPort = 0;
    int signature = 0;
    std::int32_t serialNumber = 0;
    std::string password;
};

// Reopens a link that went away and checks that the same device answers there, one attempt at a
// time, so that the window stays usable between attempts.
class TLinkRecovery {
public:
    enum class TResult { NotYet, Recovered, OtherDevice, PasswordRefused };

    explicit TLinkRecovery(TEquipComm& session);

    // The link just logged in over, its adapter looked up.
    void SetTarget(TLinkTarget target);
    // The user closed the link: nothing is kept.
    void Forget();
    bool HasTarget() const { return has_; }
    const TLinkTarget& Target() const { return target_; }
    TResult TryOnce();

private:
    // The location of the adapter now: its old one, or where its serial number or IDs are now.
    QString FindPort() const;
    bool Reopen();
    bool WaitForTcp();

    TEquipComm& session_;
    TLinkTarget target_;
    bool has_ = false;
};
