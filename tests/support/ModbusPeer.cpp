#include "ModbusPeer.h"

#include <chrono>
#include <modbus.h>
#include <unistd.h>

namespace {

std::uint16_t WordAt(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] << 8 | p[1]);
}

std::uint16_t Crc(const std::uint8_t* bytes, std::size_t n) {
    std::uint16_t crc = 0xFFFF;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                            : static_cast<std::uint16_t>(crc >> 1);
    }
    return crc;
}

} // namespace

TModbusPeer::TModbusPeer(const char* path, int baud, char parity, int stopBits, int slave) {
    ctx_ = modbus_new_rtu(path, baud, parity, 8, stopBits);
    map_ = modbus_mapping_new(0, 0, 65536, 0);
    if (!ctx_ || !map_ || modbus_set_slave(ctx_, slave) != 0 || modbus_connect(ctx_) != 0)
        return;
    modbus_set_indication_timeout(ctx_, 0, 100000); // lets the thread notice a stop request
    ready_ = true;
    thread_ = std::thread([this] { Serve(); });
}

TModbusPeer::~TModbusPeer() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (ctx_) {
        modbus_close(ctx_);
        modbus_free(ctx_);
    }
    if (map_)
        modbus_mapping_free(map_);
}

void TModbusPeer::SetRegister(int reg, std::uint16_t value) {
    std::lock_guard lock(mutex_);
    map_->tab_registers[reg] = value;
}

std::uint16_t TModbusPeer::Register(int reg) {
    std::lock_guard lock(mutex_);
    return map_->tab_registers[reg];
}

std::vector<std::vector<std::uint8_t>> TModbusPeer::Requests() {
    std::lock_guard lock(mutex_);
    return requests_;
}

void TModbusPeer::SendRaw(const std::vector<std::uint8_t>& bytes) {
    std::lock_guard lock(mutex_);
    [[maybe_unused]] const auto written = ::write(modbus_get_socket(ctx_), bytes.data(), bytes.size());
}

void TModbusPeer::Serve() {
    std::uint8_t request[MODBUS_RTU_MAX_ADU_LENGTH];
    while (!stop_) {
        const int length = modbus_receive(ctx_, request);
        if (length <= 0)
            continue;
        if (replyDelayMs_ > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(replyDelayMs_));
        Handle(request, length);
    }
}

void TModbusPeer::Handle(const std::uint8_t* request, int length) {
    std::lock_guard lock(mutex_);
    requests_.emplace_back(request, request + length - 2);
    const std::uint8_t function = request[1];
    const TFault fault = fault_;
    if (fault == TFault::NoReply)
        return;
    if (function == 0x03) {
        const int first = WordAt(request + 2);
        const int count = WordAt(request + 4);
        const int bad = exceptionRegister_;
        if (bad >= first && bad < first + count) {
            modbus_reply_exception(ctx_, request, MODBUS_EXCEPTION_ILLEGAL_DATA_ADDRESS);
            return;
        }
        if (fault == TFault::BadCrc) {
            SendWithBadCrc(request);
            return;
        }
    }
    if ((function == 0x06 || function == 0x10) && fault == TFault::NoEchoOnWrite) {
        ApplyWrite(request);
        return;
    }
    modbus_reply(ctx_, request, length, map_);
    if (function == 0x03 && fault == TFault::TrailingBytes) {
        const std::uint8_t extra[] = {0x00, 0x00};
        [[maybe_unused]] const auto written = ::write(modbus_get_socket(ctx_), extra, sizeof extra);
    }
}

void TModbusPeer::ApplyWrite(const std::uint8_t* request) {
    const int first = WordAt(request + 2);
    if (request[1] == 0x06) {
        map_->tab_registers[first] = WordAt(request + 4);
        return;
    }
    const int count = WordAt(request + 4);
    for (int i = 0; i < count; ++i)
        map_->tab_registers[(first + i) & 0xFFFF] = WordAt(request + 7 + 2 * i);
}

void TModbusPeer::SendWithBadCrc(const std::uint8_t* request) {
    const int first = WordAt(request + 2);
    const int count = WordAt(request + 4);
    std::vector<std::uint8_t> reply{request[0], 0x03, static_cast<std::uint8_t>(2 * count)};
    for (int i = 0; i < count; ++i) {
        const std::uint16_t v = map_->tab_registers[(first + i) & 0xFFFF];
        reply.push_back(static_cast<std::uint8_t>(v >> 8));
        reply.push_back(static_cast<std::uint8_t>(v & 0xFF));
    }
    const std::uint16_t crc = Crc(reply.data(), reply.size()) ^ 0x0101;
    reply.push_back(static_cast<std::uint8_t>(crc & 0xFF));
    reply.push_back(static_cast<std::uint8_t>(crc >> 8));
    [[maybe_unused]] const auto written = ::write(modbus_get_socket(ctx_), reply.data(), reply.size());
}
