#pragma once

#include "model/RegisterGroup.h"

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

enum class TEncoding : std::uint8_t {
    Plain,      // cell = value
    Signed,     // cell = value as a signed 16-bit number
    LowWord,    // bits 0..15 of the cell
    HighWord,   // bits 16..31 of the cell
    CharPair,   // bytes 2k and 2k+1 of a byte group, low byte first
    SingleChar, // byte k of a byte group, from the low byte
};

constexpr bool IsByteEncoding(TEncoding e) {
    return e == TEncoding::CharPair || e == TEncoding::SingleChar;
}

// `count` registers from `first`, `stride` apart, filling cells firstIndex, firstIndex + 1, ...
struct TRegisterRow {
    std::uint16_t first;
    std::uint16_t count;
    TGroup group;
    TEncoding encoding = TEncoding::Plain;
    std::uint16_t stride = 1;
    std::uint16_t firstIndex = 0;
};

struct TCellRef {
    const TRegisterRow* row;
    int index; // cell index within the group (byte pair index for CharPair)
};

// One family's (or the common) register table, looked up by plain register number.
class TRegisterTable {
public:
    TRegisterTable(std::initializer_list<TRegisterRow> rows);
    TRegisterTable(const TRegisterTable&) = delete; // the lookup points into rows_
    TRegisterTable& operator=(const TRegisterTable&) = delete;

    const TCellRef* Find(int reg) const;
    const std::vector<TRegisterRow>& Rows() const { return rows_; }

private:
    std::vector<TRegisterRow> rows_;
    std::vector<std::pair<int, TCellRef>> byRegister_; // sorted by register
};

const TRegisterTable& CommonRegisterTable();
// The table of family 0..4; an empty table for any other code.
const TRegisterTable& FamilyRegisterTable(int family);

const TRegisterTable& ThermalRegisterTable();
const TRegisterTable& ParallelismRegisterTable();
const TRegisterTable& RegulatorRegisterTable();
const TRegisterTable& IrrigationRegisterTable();
const TRegisterTable& PositionIndicatorRegisterTable();
