#include "ui/service/ServiceNumbers.h"

#include "model/NumberRules.h"

#include <charconv>
#include <string>

namespace ServiceNumbers {

std::optional<double> Decimal(const QString& text) {
    std::string s = text.trimmed().toStdString();
    // The form is the number rules' own; the value is then read as the C locale writes it.
    if (!NumberRules::ParseScaled(s, 0))
        return std::nullopt;
    for (char& c : s)
        if (c == ',')
            c = '.';
    if (s.front() == '+')
        s.erase(0, 1);
    double value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (error != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<int> ForcedCurrent(const QString& text, bool lowRange) {
    const auto value = Decimal(text);
    if (!value || *value < 0 || *value > (lowRange ? 1.5 : 32))
        return std::nullopt;
    // In millionths of a mA the share is exact: 50000 steps of 32 mA are 640 each, of 1.5 mA 30 each.
    const auto micro = NumberRules::ParseScaled(text.toStdString(), 6);
    if (!micro)
        return std::nullopt;
    const int step = lowRange ? 30 : 640;
    int forced = *micro / step;
    const int rest = *micro % step;
    if (2 * rest > step || (2 * rest == step && forced % 2 == 1))
        ++forced;
    return forced;
}

} // namespace ServiceNumbers
