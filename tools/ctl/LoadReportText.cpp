#include "LoadReportText.h"

namespace {

QString Settings(int count) {
    return QStringLiteral("%1 setting%2").arg(count).arg(count == 1 ? "" : "s");
}

QString ReadErrorText(SmallFile::TReadError error) {
    switch (error) {
    case SmallFile::TReadError::Missing:
        return QStringLiteral("file not found");
    case SmallFile::TReadError::NotAFile:
        return QStringLiteral("not a file");
    case SmallFile::TReadError::TooLarge:
        return QStringLiteral("too large for a configuration file");
    case SmallFile::TReadError::None:
    case SmallFile::TReadError::Unreadable:
        break;
    }
    return QStringLiteral("cannot be read");
}

} // namespace

QString LoadReportText(const TLoadReport& report, const QString& file, int family) {
    const QString nothing = QStringLiteral(", nothing written");
    switch (report.outcome) {
    case TLoadOutcome::Unreadable:
        return file + ": " + ReadErrorText(report.readError) + nothing;
    case TLoadOutcome::NotConfFile:
    case TLoadOutcome::OtherFamily:
        return QStringLiteral("%1: not a configuration file of family %2").arg(file).arg(family) + nothing;
    case TLoadOutcome::BadValue:
        return QStringLiteral("key %1: value %2 out of range")
                   .arg(QString::fromStdString(report.badKey), QString::fromStdString(report.badValue)) +
               nothing;
    case TLoadOutcome::MissingKeys:
        return QStringLiteral("key %1 is missing (--defaults-for-missing loads the default)")
                   .arg(QString::fromStdString(report.missingKeys.front())) +
               nothing;
    case TLoadOutcome::WriteFailed:
        return QStringLiteral("stopped at register %1 after writing %2")
            .arg(report.errorRegister)
            .arg(Settings(report.written));
    case TLoadOutcome::FlushFailed:
        // The framed settings go out as one batch at the end: any of them may have been taken.
        return QStringLiteral(
                   "the device did not confirm the batch of %1 sent at the end; some may be written")
            .arg(Settings(report.written));
    case TLoadOutcome::Loaded:
        break;
    }
    return {};
}
