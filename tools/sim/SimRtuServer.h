#pragma once

#include "SimFaults.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

class TSimDevice;
struct _modbus;           // NOLINT(bugprone-reserved-identifier): libmodbus's own name
struct _modbus_mapping_t; // NOLINT(bugprone-reserved-identifier): libmodbus's own name

// Modbus RTU through libmodbus, on a pseudo-terminal of its own or on a serial device, served from
// a thread of its own.
class TSimRtuServer {
public:
    TSimRtuServer(TSimDevice& device, const TSimOptions& options);
    ~TSimRtuServer();
    TSimRtuServer(const TSimRtuServer&) = delete;
    TSimRtuServer& operator=(const TSimRtuServer&) = delete;

    // Opens the line; on failure `Error()` says why.
    bool Start();
    // The path a program opens: the link, or the pty's own name, or the device.
    const std::string& Path() const { return path_; }
    const std::string& Error() const { return error_; }

private:
    bool OpenPty();
    void Serve();
    void Handle(const std::uint8_t* request, int length);
    void HandleRead(const std::uint8_t* request, int length);
    void HandleWrite(const std::uint8_t* request, int length);
    void Reply(const std::uint8_t* request, int length);
    void SendRaw(std::vector<std::uint8_t> frame, bool corrupt);

    TSimDevice& device_;
    const TSimOptions& options_;
    TSimFaults faults_;
    _modbus* ctx_ = nullptr;
    _modbus_mapping_t* map_ = nullptr;
    int masterFd_ = -1;
    int slaveFd_ = -1;
    std::string path_;
    std::string error_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
