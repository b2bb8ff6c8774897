#pragma once

#include <QDialog>

class QPlainTextEdit;

// A fixed-size dialog showing lines of text that a screen fills before showing it.
class TFormMemo : public QDialog {
    Q_OBJECT
public:
    explicit TFormMemo(QWidget* parent = nullptr);

    void AddLine(const QString& line);

private:
    QPlainTextEdit* memo_;
};
