#pragma once

#include "link/SerialComm.h"

#include <QString>

#include <cstdint>
#include <string>

// The link a device was reached over, and the device that must be found there when it is reopened.
// The password is the one typed at the connection, kept in memory for the session only.
struct TLinkTarget {
    bool serial = false;
    QString port; // serial: the system location as opened
    TLineSettings line;
    bool comPort = true; // the COM-port connection, not the USB one
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
