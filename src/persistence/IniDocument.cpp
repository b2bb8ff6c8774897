#include "persistence/IniDocument.h"

#include "persistence/SmallFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view OneLine(std::string_view value) {
    const auto end = value.find_first_of(std::string_view("\r\n\0", 3));
    return end == std::string_view::npos ? value : value.substr(0, end);
}

} // namespace

std::optional<int> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() > 1 && text[0] == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    // Digits only from here: a second or misplaced sign is not a number.
    if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text.front())))
        return std::nullopt;
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size() || magnitude > 0xFFFFFFFFULL)
        return std::nullopt;
    long long value = static_cast<long long>(magnitude);
    if (negative)
        value = -value;
    else if (base == 16 && value > 0x7FFFFFFFLL)
        value -= 0x100000000LL; // hexadecimal spells the bits
    if (value < -2147483648LL || value > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(value);
}

bool TIniDocument::Load(const std::string& path) {
    SmallFile::TReadError error = SmallFile::TReadError::None;
    return Load(path, error);
}

bool TIniDocument::Load(const std::string& path, SmallFile::TReadError& error) {
    sections_.clear();
    const auto text = SmallFile::Read(path, error);
    if (!text)
        return false;
    Parse(*text);
    return true;
}

void TIniDocument::Parse(std::string_view text) {
    sections_.clear();
    // A byte-order mark left by an editor (or two) would otherwise hide the first section.
    while (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view trimmed = Trim(line);
        if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
            sections_.push_back({std::string(Trim(trimmed.substr(1, trimmed.size() - 2))), {}, true});
            continue;
        }
        if (sections_.empty())
            sections_.push_back({"", {}, false});
        // Text values keep their blanks: a name or password may begin or end with one.
        const auto equals = line.find('=');
        if (trimmed.empty() || equals == std::string_view::npos)
            sections_.back().entries.push_back({std::string(line), {}, false});
        else
            sections_.back().entries.push_back(
                {std::string(Trim(line.substr(0, equals))), std::string(line.substr(equals + 1)), true});
    }
}

std::string TIniDocument::Text() const {
    std::string text;
    for (const TSection& section : sections_) {
        if (section.headed)
            text += "[" + section.name + "]\r\n";
        for (const TEntry& entry : section.entries)
            text += entry.isPair ? entry.key + "=" + entry.value + "\r\n" : entry.key + "\r\n";
    }
    return text;
}

bool TIniDocument::Save(const std::string& path) const {
    return SmallFile::Write(path, Text());
}

const TIniDocument::TSection* TIniDocument::FindSection(std::string_view name) const {
    const auto it = std::find_if(sections_.begin(), sections_.end(),
                                 [&](const TSection& s) { return SameName(s.name, name); });
    return it == sections_.end() ? nullptr : &*it;
}

bool TIniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != nullptr;
}

std::optional<std::string> TIniDocument::Value(std::string_view section, std::string_view key) const {
    const TSection* s = FindSection(section);
    if (!s)
        return std::nullopt;
    for (const TEntry& entry : s->entries) {
        if (entry.isPair && SameName(entry.key, key))
            return entry.value;
    }
    return std::nullopt;
}

std::string TIniDocument::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
    return Value(section, key).value_or(std::string(fallback));
}

int TIniDocument::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto value = Value(section, key);
    if (!value)
        return fallback;
    return ParseIniInteger(*value).value_or(fallback);
}

void TIniDocument::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    auto it = std::find_if(sections_.begin(), sections_.end(),
                           [&](const TSection& s) { return SameName(s.name, section); });
    if (it == sections_.end()) {
        sections_.push_back({std::string(section), {}, true});
        it = sections_.end() - 1;
    }
    const std::string line(OneLine(value));
    for (TEntry& entry : it->entries) {
        if (entry.isPair && SameName(entry.key, key)) {
            entry.value = line;
            return;
        }
    }
    // A new key goes after the section's last non-blank line, before the blank lines that part it
    // from the next section.
    auto at = it->entries.end();
    while (at != it->entries.begin() && !(at - 1)->isPair && Trim((at - 1)->key).empty())
        --at;
    it->entries.insert(at, {std::string(key), line, true});
}

void TIniDocument::WriteInteger(std::string_view section, std::string_view key, long long value) {
    WriteString(section, key, std::to_string(value));
}
