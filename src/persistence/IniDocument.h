#pragma once

#include "persistence/SmallFile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An INI text document of our own: sections of key=value lines, kept in memory with every
// section, key and line it does not know, in their order. Keys and sections match without regard
// to case. Texts are bytes of the single-byte code page. Values are kept as written, blanks
// included; numbers are read with the blanks around them ignored.
class TIniDocument {
public:
    // Reads the file; a missing or unreadable file, or anything but a regular file of at most
    // 1 MB, gives an empty document (false).
    bool Load(const std::string& path);
    bool Load(const std::string& path, SmallFile::TReadError& error);
    // Writes the whole document with CR LF line ends to a temporary file beside the target and
    // renames it over the target, so the old file survives any failure.
    bool Save(const std::string& path) const;

    void Clear() { sections_.clear(); }
    bool HasSection(std::string_view section) const;
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal, or hexadecimal after "0x" or "$"; anything else gives the fallback.
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    // The value is cut at its first CR, LF or NUL so that it stays on its line.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, long long value);

    std::string Text() const;
    void Parse(std::string_view text);

private:
    struct TEntry {
        std::string key;
        std::string value;
        bool isPair; // false: a line kept as it was
    };
    struct TSection {
        std::string name;
        std::vector<TEntry> entries;
        bool headed; // false only for the lines before the first section
    };

    const TSection* FindSection(std::string_view name) const;

    std::vector<TSection> sections_; // the first may be unnamed: lines before any section
};

// A whole integer in the text, decimal or "0x"/"$" hexadecimal, with at most one leading sign,
// within 32 bits signed (hexadecimal up to 0xFFFFFFFF, read as its bits); nothing otherwise.
std::optional<int> ParseIniInteger(std::string_view text);
