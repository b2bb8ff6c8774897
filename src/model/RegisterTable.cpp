#include "model/RegisterTable.h"

#include <algorithm>
#include <stdexcept>

TRegisterTable::TRegisterTable(std::initializer_list<TRegisterRow> rows) : rows_(rows) {
    for (const TRegisterRow& row : rows_) {
        for (int i = 0; i < row.count; ++i)
            byRegister_.push_back({row.first + i * row.stride, TCellRef{&row, row.firstIndex + i}});
    }
    std::sort(byRegister_.begin(), byRegister_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto twice = std::adjacent_find(byRegister_.begin(), byRegister_.end(),
                                          [](const auto& a, const auto& b) { return a.first == b.first; });
    if (twice != byRegister_.end())
        throw std::logic_error("register listed twice in one table: " + std::to_string(twice->first));
}

const TCellRef* TRegisterTable::Find(int reg) const {
    const auto it = std::lower_bound(byRegister_.begin(), byRegister_.end(), reg,
                                     [](const auto& entry, int r) { return entry.first < r; });
    return it != byRegister_.end() && it->first == reg ? &it->second : nullptr;
}
