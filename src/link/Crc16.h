#pragma once

#include <cstdint>
#include <span>

// CRC-16/MODBUS: reflected polynomial 0xA001, initial value 0xFFFF, no final XOR.
std::uint16_t Crc16Modbus(std::span<const std::uint8_t> bytes);
