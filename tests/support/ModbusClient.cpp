#include "ModbusClient.h"

#include <modbus.h>

#include <cerrno>

TModbusClient::TModbusClient(const std::string& path, int slave, int timeoutMs) {
    ctx_ = modbus_new_rtu(path.c_str(), 9600, 'N', 8, 1);
    if (!ctx_ || modbus_set_slave(ctx_, slave) != 0 || modbus_connect(ctx_) != 0)
        return;
    modbus_set_response_timeout(ctx_, static_cast<std::uint32_t>(timeoutMs / 1000),
                                static_cast<std::uint32_t>(timeoutMs % 1000) * 1000);
    ready_ = true;
}

TModbusClient::~TModbusClient() {
    if (ctx_) {
        modbus_close(ctx_);
        modbus_free(ctx_);
    }
}

std::optional<std::vector<std::uint16_t>> TModbusClient::Read(int first, int count) {
    std::vector<std::uint16_t> values(static_cast<std::size_t>(count));
    if (modbus_read_registers(ctx_, first, count, values.data()) != count) {
        lastError_ = errno;
        modbus_flush(ctx_);
        return std::nullopt;
    }
    return values;
}

bool TModbusClient::Write(int reg, std::uint16_t value) {
    if (modbus_write_register(ctx_, reg, value) != 1) {
        lastError_ = errno;
        modbus_flush(ctx_);
        return false;
    }
    return true;
}

bool TModbusClient::Write(int first, const std::vector<std::uint16_t>& values) {
    const int n = static_cast<int>(values.size());
    if (modbus_write_registers(ctx_, first, n, values.data()) != n) {
        lastError_ = errno;
        modbus_flush(ctx_);
        return false;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> TModbusClient::Exchange(const std::vector<std::uint8_t>& request) {
    std::vector<std::uint8_t> reply(MODBUS_RTU_MAX_ADU_LENGTH);
    const int length = modbus_send_raw_request(ctx_, request.data(), static_cast<int>(request.size())) < 0
                           ? -1
                           : modbus_receive_confirmation(ctx_, reply.data());
    if (length < 2) {
        lastError_ = errno;
        modbus_flush(ctx_);
        return std::nullopt;
    }
    reply.resize(static_cast<std::size_t>(length - 2));
    return reply;
}
