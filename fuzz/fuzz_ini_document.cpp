// Whatever a file holds, writing the document out and reading it back must keep every value as it
// was read, and an integer is taken only from text that spells exactly one.
#include "persistence/IniDocument.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr int kFallback = -7;

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The section and key names the text spells, each key with the section it stands in: enough to
// ask a document for every value it holds.
std::vector<std::pair<std::string, std::string>> NamesIn(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
            section = Trim(line.substr(1, line.size() - 2));
        else if (const auto equals = line.find('='); equals != std::string_view::npos)
            names.emplace_back(section, Trim(line.substr(0, equals)));
    }
    return names;
}

void CheckInteger(std::string_view text) {
    const auto value = ParseIniInteger(text);
    if (!value)
        return;
    int signs = 0;
    for (const char c : text)
        signs += c == '+' || c == '-';
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(*value));
    // Every spelling the reader knows of the same number must give it back.
    const std::string spellings[] = {std::to_string(*value), std::string("0X") + hex, std::string("$") + hex,
                                     " \t" + std::to_string(*value) + "\t "};
    for (const std::string& spelling : spellings)
        if (ParseIniInteger(spelling) != value)
            std::abort();
    if (signs > 1)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckInteger(text);
    TIniDocument read;
    read.Parse(text);
    const std::string written = read.Text();
    TIniDocument reread;
    reread.Parse(written);
    if (reread.Text() != written)
        std::abort();
    const auto names = NamesIn(text);
    for (const auto& [section, key] : names) {
        const auto value = read.Value(section, key);
        if (reread.Value(section, key) != value || reread.HasSection(section) != read.HasSection(section))
            std::abort();
        if (value)
            CheckInteger(*value);
    }
    // A number written under any name the file spells reads back as written.
    for (const auto& [section, key] : names) {
        const auto number = static_cast<int>(std::hash<std::string>{}(section + '\n' + key));
        reread.WriteInteger(section, key, number);
        if (reread.ReadInteger(section, key, kFallback) != number)
            std::abort();
    }
    return 0;
}
