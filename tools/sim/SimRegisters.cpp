#include "SimRegisters.h"

#include <cstring>

TSimRegisters::TSimRegisters() : values_(65536, 0), kinds_(65536, TKind::None) {}

void TSimRegisters::Define(int first, std::initializer_list<int> values, TKind kind) {
    int reg = first;
    for (int v : values) {
        Set(reg, v);
        kinds_[static_cast<std::size_t>(reg++)] = kind;
    }
}

void TSimRegisters::Fill(int first, int count, int value, TKind kind) {
    for (int reg = first; reg < first + count; ++reg) {
        Set(reg, value);
        kinds_[static_cast<std::size_t>(reg)] = kind;
    }
}

void TSimRegisters::DefineText(int first, int registers, std::string_view text, TKind kind) {
    Fill(first, registers, 0, kind);
    SetText(first, registers, text);
}

void TSimRegisters::SetText(int first, int registers, std::string_view text) {
    for (int k = 0; k < registers; ++k) {
        const auto at = 2 * static_cast<std::size_t>(k);
        const auto low = at < text.size() ? static_cast<std::uint8_t>(text[at]) : 0;
        const auto high = at + 1 < text.size() ? static_cast<std::uint8_t>(text[at + 1]) : 0;
        Set(first + k, low | high << 8);
    }
}

std::string TSimRegisters::Text(int first, int registers) const {
    std::string text;
    for (int k = 0; k < registers; ++k) {
        text.push_back(static_cast<char>(Get(first + k) & 0xFF));
        text.push_back(static_cast<char>(Get(first + k) >> 8));
    }
    return text.substr(0, text.find('\0'));
}

void TSimRegisters::SetFloat(int first, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Set32(first, bits);
}

void TSimRegisters::Set32(int low, std::uint32_t value) {
    Set(low, static_cast<int>(value & 0xFFFF));
    Set(low + 1, static_cast<int>(value >> 16));
}

std::uint32_t TSimRegisters::Get32(int low) const {
    return static_cast<std::uint32_t>(Get(low)) | static_cast<std::uint32_t>(Get(low + 1)) << 16;
}
