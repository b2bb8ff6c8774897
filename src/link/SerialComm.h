#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include <QString>

class QEventLoop;
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
    // The last open failed because the system refused this user the port (not in the group that
    // owns it), rather than because it is missing, busy or rejected a setting.
    bool AccessDenied() const { return accessDenied_; }
    bool IsOpen() const;
    // True iff every byte left within 2000 ms.
    bool WriteBytes(std::span<const std::uint8_t> bytes);
    // Appends to `received` until it holds `wanted` bytes (at most 2048) or the deadline passes,
    // running the event loop in between, so that the window stays responsive. True iff more than
    // one byte has been received.
    bool ReadBytes(std::vector<std::uint8_t>& received, std::size_t wanted, TClock::time_point deadline);
    // Runs the event loop until `count` bytes wait to be read, the deadline passes or the port closes.
    void AwaitBytes(std::size_t count, TClock::time_point deadline);
    // Ends the wait under way, if any (the one below a transaction that went first).
    void QuitWait();
    // Waits up to `quiet` for bytes after a complete reply, discarding them; true if any came.
    bool TrailingBytes(std::chrono::microseconds quiet);
    // The time one character (start, 8 data, parity or stop, stop) takes on the line.
    std::chrono::microseconds CharacterTime() const;
    void FlushInput();
    // Ends any wait under way.
    void ClosePort();
    // Runs the event loop for `ms`, ended early by a close.
    void Pause(int ms);

    // Called once when the open port goes away (a USB adapter pulled, the far end of a pty closed):
    // the port is closed by then.
    void SetLostHandler(std::function<void()> handler) { lost_ = std::move(handler); }

private:
    enum class TWake { Data, Written, Never };
    // Runs the event loop until the port signals `wake`, the deadline passes or the port closes.
    void WaitFor(TWake wake, TClock::time_point deadline);
    bool Configure(const TLineSettings& settings);
    void CheckLost();
    void Lose();

    std::unique_ptr<QSerialPort> port_;
    std::function<void()> lost_;
    QEventLoop* waitLoop_ = nullptr;
    int baudRate_ = 9600;
    bool accessDenied_ = false;
};
