#include "ui/shell/FormSenha.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormSenha::TFormSenha(int language, QWidget* parent)
    : QDialog(parent), label_(new QLabel(this)), edSenha_(new QLineEdit("JUXT", this)),
      bbOk_(new QPushButton("OK", this)) {
    setObjectName("FormSenha");
    edSenha_->setObjectName("edSenha");
    edSenha_->setEchoMode(QLineEdit::Password);
    bbOk_->setObjectName("bbOk");
    bbOk_->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(edSenha_);
    layout->addWidget(bbOk_);
    connect(bbOk_, &QPushButton::clicked, this, &QDialog::accept);
    static const char* const kCaption[] = {"Senha", "Password", "Clave"};
    static const char* const kLabel[] = {"Entre com a senha:", "Enter the password:", "Introduce la clave:"};
    if (language >= 0 && language <= 2) {
        setWindowTitle(QString::fromUtf8(kCaption[language]));
        label_->setText(QString::fromUtf8(kLabel[language]));
    }
}

QString TFormSenha::Typed() const {
    return edSenha_->text();
}
