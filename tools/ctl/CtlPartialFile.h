#pragma once

#include <QFile>
#include <QString>

#include <string>

// FILE.partial, written line by line as a download goes, so that an interrupted, failed or killed
// download keeps what it read; once complete it is renamed over FILE in one step.
class TCtlPartialFile {
public:
    explicit TCtlPartialFile(const QString& target);

    QString Path() const { return file_.fileName(); }
    // False once any line could not be written whole (a full disk).
    bool Append(const std::string& line);
    bool Ok() const { return ok_; }
    // The complete download takes FILE's place; false (and FILE untouched) when it cannot.
    bool Commit();
    // Nothing was read: no partial file is left behind.
    void Discard();

private:
    QString target_;
    QFile file_;
    bool ok_;
};
