#include "persistence/SmallFile.h"

#include <filesystem>
#include <fstream>

namespace SmallFile {

std::optional<std::string> Read(const std::string& path, TReadError& error, std::size_t maxBytes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_type type = fs::status(path, ec).type();
    if (type == fs::file_type::not_found) {
        error = TReadError::Missing;
        return std::nullopt;
    }
    if (ec) {
        error = TReadError::Unreadable;
        return std::nullopt;
    }
    if (type != fs::file_type::regular) {
        error = TReadError::NotAFile;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = TReadError::Unreadable;
        return std::nullopt;
    }
    // One byte past the limit tells a file too large, even one that grew since it was checked.
    std::string text(maxBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        error = TReadError::Unreadable;
        return std::nullopt;
    }
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got > maxBytes) {
        error = TReadError::TooLarge;
        return std::nullopt;
    }
    text.resize(got);
    error = TReadError::None;
    return text;
}

} // namespace SmallFile
