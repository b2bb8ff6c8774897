#include "SimRtuServer.h"

#include "SimDevice.h"

#include <modbus.h>

#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

std::uint16_t WordAt(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint16_t Crc(const std::vector<std::uint8_t>& bytes) {
    std::uint16_t crc = 0xFFFF;
    for (std::uint8_t b : bytes) {
        crc ^= b;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

} // namespace

TSimRtuServer::TSimRtuServer(TSimDevice& device, const TSimOptions& options)
    : device_(device), options_(options), faults_(options) {}

TSimRtuServer::~TSimRtuServer() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (ctx_) {
        if (masterFd_ < 0)
            modbus_close(ctx_);
        modbus_free(ctx_);
    }
    if (map_)
        modbus_mapping_free(map_);
    if (masterFd_ >= 0)
        ::close(masterFd_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    if (options_.rtuLink && !options_.rtuLink->empty())
        ::unlink(options_.rtuLink->c_str());
}

bool TSimRtuServer::OpenPty() {
    masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd_ < 0 || ::grantpt(masterFd_) != 0 || ::unlockpt(masterFd_) != 0) {
        error_ = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(masterFd_);
    // Holding the other end open keeps the line up between programs; raw, so that no byte is
    // echoed or translated before the program sets its own mode.
    slaveFd_ = ::open(name, O_RDWR | O_NOCTTY);
    termios tio{};
    if (slaveFd_ < 0 || ::tcgetattr(slaveFd_, &tio) != 0) {
        error_ = std::string("cannot open ") + name + ": " + std::strerror(errno);
        return false;
    }
    ::cfmakeraw(&tio);
    ::tcsetattr(slaveFd_, TCSANOW, &tio);
    path_ = name;
    if (!options_.rtuLink->empty()) {
        ::unlink(options_.rtuLink->c_str());
        if (::symlink(name, options_.rtuLink->c_str()) != 0) {
            error_ = "cannot make the link " + *options_.rtuLink + ": " + std::strerror(errno);
            return false;
        }
        path_ = *options_.rtuLink;
    }
    ctx_ = modbus_new_rtu(name, options_.baud, options_.parity, 8, options_.stopBits);
    return ctx_ && modbus_set_socket(ctx_, masterFd_) == 0;
}

bool TSimRtuServer::Start() {
    if (options_.rtuDevice) {
        path_ = *options_.rtuDevice;
        ctx_ = modbus_new_rtu(path_.c_str(), options_.baud, options_.parity, 8, options_.stopBits);
        if (!ctx_ || modbus_connect(ctx_) != 0) {
            error_ = "cannot open " + path_ + ": " + modbus_strerror(errno);
            return false;
        }
    } else if (!OpenPty()) {
        return false;
    }
    map_ = modbus_mapping_new(0, 0, 65536, 0);
    if (!map_ || modbus_set_slave(ctx_, options_.address) != 0) {
        error_ = "cannot set up the Modbus slave";
        return false;
    }
    modbus_set_indication_timeout(ctx_, 0, 200000); // lets the thread notice the stop
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void TSimRtuServer::Serve() {
    std::uint8_t request[MODBUS_RTU_MAX_ADU_LENGTH];
    while (!stop_) {
        const int length = modbus_receive(ctx_, request);
        if (length > 0)
            Handle(request, length);
        else if (length < 0 && errno != ETIMEDOUT && errno != EMBBADCRC && errno != EMBBADDATA)
            // The line hung up: wait for the next program.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void TSimRtuServer::Handle(const std::uint8_t* request, int length) {
    if (faults_.Silent())
        return;
    if (faults_.Verbose())
        std::fprintf(stderr, "rtu: function %u register %u\n", request[1], WordAt(request + 2));
    if (faults_.DelayMs() > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(faults_.DelayMs()));
    switch (request[1]) {
    case 0x03:
        HandleRead(request, length);
        break;
    case 0x06:
    case 0x10:
        HandleWrite(request, length);
        break;
    default:
        modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_ILLEGAL_FUNCTION);
    }
}

void TSimRtuServer::HandleRead(const std::uint8_t* request, int length) {
    const int first = WordAt(request + 2);
    const int count = WordAt(request + 4);
    if (faults_.Fails(first, count)) {
        modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_SLAVE_OR_SERVER_FAILURE);
        return;
    }
    if (faults_.DropFirstRead(first, count))
        return;
    for (int i = 0; i < count; ++i) {
        const int wire = (first + i) & 0xFFFF;
        const auto value = device_.Read(wire);
        if (!value) {
            modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
            return;
        }
        map_->tab_registers[wire] = *value;
    }
    Reply(request, length);
}

void TSimRtuServer::HandleWrite(const std::uint8_t* request, int length) {
    TSimDevice::TPairs pairs;
    const int first = WordAt(request + 2);
    if (request[1] == 0x06) {
        pairs.push_back({first, WordAt(request + 4)});
    } else {
        const int count = WordAt(request + 4);
        const int bytes = request[6];
        // The values are read from the frame itself: a count its bytes do not carry would take
        // whatever the buffer held before.
        if (count < 1 || count > MODBUS_MAX_WRITE_REGISTERS || bytes != 2 * count || length < 9 + bytes) {
            modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
            return;
        }
        for (int i = 0; i < count; ++i)
            pairs.push_back({(first + i) & 0xFFFF, WordAt(request + 7 + 2 * std::ptrdiff_t{i})});
    }
    for (const auto& [reg, value] : pairs) {
        (void)value;
        if ((reg & 0x7FFF) != TSimDevice::kCommandRegister && !device_.Read(reg)) {
            modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
            return;
        }
    }
    // A read-only register keeps its value and the write is still echoed: the read-back tells.
    const auto results = device_.Write(pairs);
    for (std::size_t i = 0; i < results.size(); ++i) {
        if (results[i] == TSimDevice::TWrite::OutOfRange || results[i] == TSimDevice::TWrite::BadValue) {
            modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_ILLEGAL_DATA_VALUE);
            return;
        }
    }
    if (faults_.NoEcho())
        return;
    Reply(request, length);
}

void TSimRtuServer::Reply(const std::uint8_t* request, int length) {
    if (faults_.DropReply())
        return;
    const bool corrupt = faults_.CorruptCrc();
    if (!corrupt && !faults_.StrayBytes()) {
        modbus_reply(ctx_, request, length, map_);
        return;
    }
    // Built by hand so that the CRC can be spoiled or stray bytes put in front.
    std::vector<std::uint8_t> frame{request[0], request[1]};
    if (request[1] == 0x03) {
        const int first = WordAt(request + 2);
        const int count = WordAt(request + 4);
        frame.push_back(static_cast<std::uint8_t>(2 * count));
        for (int i = 0; i < count; ++i) {
            const std::uint16_t v = map_->tab_registers[(first + i) & 0xFFFF];
            frame.push_back(static_cast<std::uint8_t>(v >> 8));
            frame.push_back(static_cast<std::uint8_t>(v & 0xFF));
        }
    } else {
        frame.insert(frame.end(), request + 2, request + 6);
    }
    SendRaw(std::move(frame), corrupt);
}

void TSimRtuServer::SendRaw(std::vector<std::uint8_t> frame, bool corrupt) {
    std::uint16_t crc = Crc(frame);
    if (corrupt)
        crc ^= 0x5A5A;
    frame.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    frame.push_back(static_cast<std::uint8_t>(crc >> 8));
    if (faults_.StrayBytes())
        frame.insert(frame.begin(), {0x00, 0xFF});
    const int fd = modbus_get_socket(ctx_);
    [[maybe_unused]] const auto written = ::write(fd, frame.data(), frame.size());
}
