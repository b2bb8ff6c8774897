#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

struct _modbus;
struct _modbus_mapping_t;

// A Modbus RTU slave from libmodbus, an implementation independent of ours, serving all 65536
// holding registers on a serial device path in a thread of its own. It can be told to misbehave.
class TModbusPeer {
public:
    // TrailingBytes: a valid read reply followed at once by two more bytes.
    enum class TFault { None, NoReply, NoEchoOnWrite, BadCrc, TrailingBytes };

    TModbusPeer(const char* path, int baud, char parity, int stopBits, int slave = 1);
    ~TModbusPeer();
    TModbusPeer(const TModbusPeer&) = delete;
    TModbusPeer& operator=(const TModbusPeer&) = delete;

    bool IsReady() const { return ready_; }
    void SetFault(TFault fault) { fault_ = fault; }
    // Reads that include this register get an illegal-address exception.
    void SetExceptionRegister(int reg) { exceptionRegister_ = reg; }
    // Holds every reply back this long, as a slow line or a busy device would.
    void SetReplyDelay(int ms) { replyDelayMs_ = ms; }

    void SetRegister(int reg, std::uint16_t value);
    std::uint16_t Register(int reg);
    // The requests received so far, without their CRC.
    std::vector<std::vector<std::uint8_t>> Requests();
    // Writes bytes to the line as they are, outside any exchange.
    void SendRaw(const std::vector<std::uint8_t>& bytes);

private:
    void Serve();
    void Handle(const std::uint8_t* request, int length);
    void ApplyWrite(const std::uint8_t* request);
    void SendWithBadCrc(const std::uint8_t* request);

    _modbus* ctx_ = nullptr;
    _modbus_mapping_t* map_ = nullptr;
    bool ready_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<TFault> fault_{TFault::None};
    std::atomic<int> exceptionRegister_{-1};
    std::atomic<int> replyDelayMs_{0};
    std::mutex mutex_;
    std::vector<std::vector<std::uint8_t>> requests_;
    std::thread thread_;
};
