#include "persistence/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

std::string DataFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (base.size() < 2)
        base = QCoreApplication::applicationDirPath();
    const QString folder = QDir(base).filePath("Corvane/QEL880");
    QDir().mkpath(folder); // a failure shows later as a failed write
    return QDir::toNativeSeparators(folder + "/").toStdString();
}
