#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the device password; the caller compares what was typed.
class TFormSenha : public QDialog {
    Q_OBJECT
public:
    explicit TFormSenha(int language, QWidget* parent = nullptr);
    QString Typed() const;

private:
    QLabel* label_;
    QLineEdit* edSenha_;
    QPushButton* bbOk_;
};
