#include "persistence/SmallFile.h"

#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cstdint>
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
    // One byte past the size (or the limit) tells a file too large, even one that grew since.
    const std::uintmax_t size = fs::file_size(path, ec);
    std::string text(ec ? maxBytes + 1 : std::min<std::uintmax_t>(size, maxBytes) + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    auto got = static_cast<std::size_t>(in.gcount());
    if (got == text.size() && got <= maxBytes) { // it grew since: read on up to the limit
        text.resize(maxBytes + 1);
        in.read(text.data() + got, static_cast<std::streamsize>(text.size() - got));
        got += static_cast<std::size_t>(in.gcount());
    }
    if (in.bad()) {
        error = TReadError::Unreadable;
        return std::nullopt;
    }
    if (got > maxBytes) {
        error = TReadError::TooLarge;
        return std::nullopt;
    }
    text.resize(got);
    error = TReadError::None;
    return text;
}

bool Write(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto size = static_cast<qint64>(bytes.size());
    // The commit of the Qt in use renames a file whose own last flush failed, so every byte is
    // checked to be out before it.
    if (file.write(bytes.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace SmallFile
