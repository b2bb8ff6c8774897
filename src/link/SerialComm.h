#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include <QString>

class QSerialPort;

// Line settings of a serial open; data bits are always 8.
struct TLineSettings {
    int baudRate = 9600;
    std::uint8_t parity = 0;   // 0 none, 1 even, 2 odd; other codes keep the port's parity
    std::uint8_t stopBits = 0; // 0 one, 1 one and a half, 2 two; other codes keep the port's value
};

// One serial port, opened and closed many times; byte-level operations only.
class TSerialComm {
public:
    using TClock = std::chrono::steady_clock;
    static constexpr std::size_t kMaxRead = 2048;

    TSerialComm();
    ~TSerialComm();
    TSerialComm(const TSerialComm&) = delete;
    TSerialComm& operator=(const TSerialComm&) = delete;

    // Three attempts, 500 ms and 1000 ms apart; a setting the port rejects closes it again.
    bool OpenPort(const QString& path, const TLineSettings& settings);
    bool IsOpen() const;
    // True iff every byte left within 2000 ms.
    bool WriteBytes(std::span<const std::uint8_t> bytes);
    // Appends to `received` until it holds `wanted` bytes (at most 2048) or the deadline passes,
    // sleeping on the port in between. True iff more than one byte has been received.
    bool ReadBytes(std::vector<std::uint8_t>& received, std::size_t wanted, TClock::time_point deadline);
    void FlushInput();
    void ClosePort();

private:
    bool Configure(const TLineSettings& settings);

    std::unique_ptr<QSerialPort> port_;
};
