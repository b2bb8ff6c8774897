#pragma once

#include "model/RegisterGroup.h"
#include "model/RegisterTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Typed copy of the connected device's registers. Zero-filled once and never cleared: cells keep
// the last device's values until a new reply overwrites them.
class TRegisterImage {
public:
    TRegisterImage();

    int Family() const { return family_; }
    void SetFamily(int family) { family_ = family; }

    // `reg` may carry the family-1 bank bit; a register without a cell is ignored.
    void StoreRegister(int reg, std::uint16_t value);
    // 0 for a register without a cell in the current family.
    std::int32_t FetchRegister(int reg) const;

    // Indexed getters: an index outside the group gives 0 (texts: empty).
    std::int32_t Cell(TGroup group, int index = 0) const;
    std::uint8_t Byte(TGroup group, int index) const;
    // The bytes of a byte group up to the first zero byte.
    std::string Text(TGroup group) const;

    char PasswordChar(int position) const { return static_cast<char>(Byte(TGroup::Password, position)); }
    std::int32_t SerialNumber() const;
    std::uint32_t IpAddress() const { return static_cast<std::uint32_t>(Cell(TGroup::IpAddr)); }
    std::string WifiName() const { return Text(TGroup::WifiSsid); }
    std::string WifiPassword() const { return Text(TGroup::WifiPass); }

private:
    int PlainRegister(int reg) const;
    void Store(const TCellRef& ref, std::uint16_t value);
    std::int32_t Fetch(const TCellRef& ref) const;

    int family_ = 0;
    std::array<std::vector<std::int32_t>, kGroupCount> cells_;
    std::array<std::vector<std::uint8_t>, kGroupCount> bytes_;
};
