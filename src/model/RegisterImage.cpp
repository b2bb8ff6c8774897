#include "model/RegisterImage.h"

#include <algorithm>

namespace {

constexpr int kFirstFamily = 0;
constexpr int kLastFamily = 4;
constexpr int kBankedFamily = 1;

std::size_t GroupIndex(TGroup g) {
    return static_cast<std::size_t>(g);
}

// Cells (or bytes) a row needs in its group.
std::size_t RowExtent(const TRegisterRow& row) {
    const std::size_t cells = static_cast<std::size_t>(row.firstIndex) + row.count;
    return row.encoding == TEncoding::CharPair ? 2 * cells : cells;
}

} // namespace

TRegisterImage::TRegisterImage() {
    auto size = [this](const TRegisterTable& table) {
        for (const TRegisterRow& row : table.Rows()) {
            const std::size_t g = GroupIndex(row.group);
            if (IsByteEncoding(row.encoding))
                bytes_[g].resize(std::max(bytes_[g].size(), RowExtent(row)));
            else
                cells_[g].resize(std::max(cells_[g].size(), RowExtent(row)));
        }
    };
    size(CommonRegisterTable());
    for (int family = kFirstFamily; family <= kLastFamily; ++family)
        size(FamilyRegisterTable(family));
}

int TRegisterImage::PlainRegister(int reg) const {
    return family_ == kBankedFamily ? (reg & 0x7FFF) : reg;
}

void TRegisterImage::StoreRegister(int reg, std::uint16_t value) {
    const int plain = PlainRegister(reg);
    // A register in both tables fills both cells.
    if (const TCellRef* ref = FamilyRegisterTable(family_).Find(plain))
        Store(*ref, value);
    if (const TCellRef* ref = CommonRegisterTable().Find(plain))
        Store(*ref, value);
}

std::int32_t TRegisterImage::FetchRegister(int reg) const {
    const int plain = PlainRegister(reg);
    if (const TCellRef* ref = CommonRegisterTable().Find(plain))
        return Fetch(*ref);
    if (const TCellRef* ref = FamilyRegisterTable(family_).Find(plain))
        return Fetch(*ref);
    return 0;
}

void TRegisterImage::Store(const TCellRef& ref, std::uint16_t value) {
    const std::size_t g = GroupIndex(ref.row->group);
    const auto i = static_cast<std::size_t>(ref.index);
    switch (ref.row->encoding) {
    case TEncoding::Plain:
        cells_[g][i] = value;
        break;
    case TEncoding::Signed:
        cells_[g][i] = static_cast<std::int16_t>(value);
        break;
    case TEncoding::LowWord:
        cells_[g][i] =
            static_cast<std::int32_t>((static_cast<std::uint32_t>(cells_[g][i]) & 0xFFFF0000u) | value);
        break;
    case TEncoding::HighWord:
        cells_[g][i] = static_cast<std::int32_t>((static_cast<std::uint32_t>(value) << 16) |
                                                 (static_cast<std::uint32_t>(cells_[g][i]) & 0xFFFFu));
        break;
    case TEncoding::CharPair:
        bytes_[g][2 * i] = static_cast<std::uint8_t>(value & 0xFF);
        bytes_[g][2 * i + 1] = static_cast<std::uint8_t>(value >> 8);
        break;
    case TEncoding::SingleChar:
        bytes_[g][i] = static_cast<std::uint8_t>(value & 0xFF);
        break;
    }
}

std::int32_t TRegisterImage::Fetch(const TCellRef& ref) const {
    const std::size_t g = GroupIndex(ref.row->group);
    const auto i = static_cast<std::size_t>(ref.index);
    switch (ref.row->encoding) {
    case TEncoding::Plain:
        return cells_[g][i];
    case TEncoding::Signed:
    case TEncoding::LowWord:
        return cells_[g][i] & 0xFFFF;
    case TEncoding::HighWord:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(cells_[g][i]) >> 16);
    case TEncoding::CharPair:
        return bytes_[g][2 * i] + 256 * bytes_[g][2 * i + 1];
    case TEncoding::SingleChar:
        return bytes_[g][i];
    }
    return 0;
}

std::int32_t TRegisterImage::Cell(TGroup group, int index) const {
    const auto& cells = cells_[GroupIndex(group)];
    return index >= 0 && static_cast<std::size_t>(index) < cells.size()
               ? cells[static_cast<std::size_t>(index)]
               : 0;
}

std::uint8_t TRegisterImage::Byte(TGroup group, int index) const {
    const auto& bytes = bytes_[GroupIndex(group)];
    return index >= 0 && static_cast<std::size_t>(index) < bytes.size()
               ? bytes[static_cast<std::size_t>(index)]
               : 0;
}

std::string TRegisterImage::Text(TGroup group) const {
    const auto& bytes = bytes_[GroupIndex(group)];
    std::string text;
    for (std::uint8_t b : bytes) {
        if (b == 0)
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

std::int32_t TRegisterImage::SerialNumber() const {
    return (Cell(TGroup::SerialNumberLow) & 0xFFFF) + 65536 * (Cell(TGroup::SerialNumberHigh) & 0x7FFF);
}
