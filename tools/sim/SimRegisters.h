#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// The simulated device's 16-bit registers and what each one is.
class TSimRegisters {
public:
    enum class TKind : std::uint8_t {
        None,       // no such register: reads as 0 inside the device's range, writes refused
        Setting,    // kept as written
        ReadOnly,   // measurement or state: writes leave it as it is
        Resettable, // measurement that a write may reset (the thermal maxima)
    };

    TSimRegisters();

    void Define(int first, std::initializer_list<int> values, TKind kind = TKind::Setting);
    void Fill(int first, int count, int value, TKind kind = TKind::Setting);
    // Characters 2k and 2k+1 in register first + k, low byte first, zero-padded.
    void DefineText(int first, int registers, std::string_view text, TKind kind = TKind::Setting);
    void SetText(int first, int registers, std::string_view text);
    std::string Text(int first, int registers) const;
    // An IEEE single in two registers, low word first.
    void SetFloat(int first, float value);
    void Set32(int low, std::uint32_t value);
    std::uint32_t Get32(int low) const;

    TKind Kind(int reg) const { return kinds_[static_cast<std::size_t>(reg)]; }
    std::uint16_t Get(int reg) const { return values_[static_cast<std::size_t>(reg)]; }
    void Set(int reg, int value) { values_[static_cast<std::size_t>(reg)] = static_cast<std::uint16_t>(value); }

private:
    std::vector<std::uint16_t> values_;
    std::vector<TKind> kinds_;
};
