#pragma once

#include <QObject>

class QTranslator;

// Qt's own texts (Yes/No, the file dialogs, the date picker) in the program's language, switched
// with it; English needs none.
class TQtTranslation : public QObject {
    Q_OBJECT
public:
    explicit TQtTranslation(QObject* parent = nullptr);

    // False when the language's translation is not installed (the texts stay English).
    bool Apply(int language);

private:
    QTranslator* translator_;
};
