#include "ui/common/QtTranslation.h"

#include "ui/common/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

TQtTranslation::TQtTranslation(QObject* parent) : QObject(parent), translator_(new QTranslator(this)) {}

bool TQtTranslation::Apply(int language) {
    static const char* const kLocales[Language::kCount] = {"pt_BR", "en_US", "es_ES"};
    const QLocale locale(QString::fromLatin1(kLocales[Language::Index(language)]));
    QLocale::setDefault(locale); // dates and numbers in Qt's own widgets
    QCoreApplication::removeTranslator(translator_);
    if (locale.language() == QLocale::English)
        return true;
    if (!translator_->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(translator_);
}
