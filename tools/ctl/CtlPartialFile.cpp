#include "CtlPartialFile.h"

#include <cstdio>

TCtlPartialFile::TCtlPartialFile(const QString& target)
    : target_(target), file_(target + QStringLiteral(".partial")),
      ok_(file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {}

bool TCtlPartialFile::Append(const std::string& line) {
    if (!ok_)
        return false;
    // The lines are ASCII: Windows-1252 byte for byte; CR LF as every file of the program ends them.
    const std::string text = line + "\r\n";
    const auto size = static_cast<qint64>(text.size());
    ok_ = file_.write(text.data(), size) == size && file_.flush();
    return ok_;
}

bool TCtlPartialFile::Commit() {
    if (!ok_ || !file_.flush() || file_.error() != QFileDevice::NoError)
        return false;
    file_.close();
    // rename() replaces the target in one step, as the other files of the program are replaced.
    return std::rename(QFile::encodeName(file_.fileName()).constData(),
                       QFile::encodeName(target_).constData()) == 0;
}

void TCtlPartialFile::Discard() {
    file_.close();
    file_.remove();
}
