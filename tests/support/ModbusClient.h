#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct _modbus;

// A libmodbus RTU master for black-box tests of a device on a serial path.
class TModbusClient {
public:
    explicit TModbusClient(const std::string& path, int slave = 1, int timeoutMs = 1000);
    ~TModbusClient();
    TModbusClient(const TModbusClient&) = delete;
    TModbusClient& operator=(const TModbusClient&) = delete;

    bool IsReady() const { return ready_; }
    std::optional<std::vector<std::uint16_t>> Read(int first, int count);
    bool Write(int reg, std::uint16_t value);
    bool Write(int first, const std::vector<std::uint16_t>& values);
    // Sends address, function and data as given (the CRC added) and returns the reply without its
    // CRC: a request no ordinary call would build.
    std::optional<std::vector<std::uint8_t>> Exchange(const std::vector<std::uint8_t>& request);
    // The errno of the last failure (EMBXILADD for an illegal-address exception, ETIMEDOUT, EMBBADCRC...).
    int LastError() const { return lastError_; }

private:
    _modbus* ctx_ = nullptr;
    bool ready_ = false;
    int lastError_ = 0;
};
