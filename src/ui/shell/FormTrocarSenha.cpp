#include "ui/shell/FormTrocarSenha.h"

#include "link/EquipComm.h"
#include "ui/common/UserPrompts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct TTexts {
    const char *caption, *current, *fresh, *cancel, *invalid, *error;
};

const TTexts kTexts[3] = {
    {"Trocar Senha", "Senha atual:", "Nova senha:", "Cancelar",
     "Senha inválida. Deve ter 4 caracteres apenas com letras.", "Erro no envio do comando"},
    {"Change Password", "Current Password:", "New Password:", "Cancel",
     "Invalid password. It must have 4 characters, only letters.", "Error sending the command"},
    {"Cambiar Clave", "Clave actual:", "Nueva clave:", "Cancelar",
     "Clave inválida. Debe tener 4 caracteres, solo letras.", "Error en el envío del comando"},
};

} // namespace

TFormTrocarSenha::TFormTrocarSenha(TEquipComm& session, int language, TUserPrompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts),
      language_(language >= 0 && language <= 2 ? language : 0), pnSenhaAtual_(new QLabel(this)),
      edSenhaNova_(new QLineEdit(this)) {
    setObjectName("FormTrocarSenha");
    pnSenhaAtual_->setObjectName("pnSenhaAtual");
    edSenhaNova_->setObjectName("edSenhaNova");
    edSenhaNova_->setMaxLength(4);
    connect(edSenhaNova_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int cursor = edSenhaNova_->cursorPosition();
        edSenhaNova_->setText(text.toUpper());
        edSenhaNova_->setCursorPosition(cursor);
    });
    const TTexts& t = kTexts[language_];
    setWindowTitle(QString::fromUtf8(t.caption));
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8(t.current), pnSenhaAtual_);
    form->addRow(QString::fromUtf8(t.fresh), edSenhaNova_);
    auto* buttons = new QHBoxLayout;
    auto* bbOk = new QPushButton("OK", this);
    bbOk->setObjectName("bbOk");
    auto* bbCancel = new QPushButton(QString::fromUtf8(t.cancel), this);
    bbCancel->setObjectName("bbCancel");
    buttons->addWidget(bbOk);
    buttons->addWidget(bbCancel);
    form->addRow(buttons);
    connect(bbOk, &QPushButton::clicked, this, &TFormTrocarSenha::bbOkClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);

    // A password the device did not just send is not shown as its own.
    QString current;
    const bool read = session_.ReadRegisters(1600, 4);
    for (int i = 0; read && i < 4; ++i)
        current.append(QChar(static_cast<char16_t>(session_.Image().PasswordChar(i) & 0xFF)));
    pnSenhaAtual_->setText(current);
}

void TFormTrocarSenha::bbOkClick() {
    const QString fresh = edSenhaNova_->text().toUpper();
    const bool letters = fresh.size() == 4 && std::all_of(fresh.begin(), fresh.end(), [](QChar c) {
                             return c >= QLatin1Char('A') && c <= QLatin1Char('Z');
                         });
    if (!letters) {
        prompts_.Error(this, QString::fromUtf8(kTexts[language_].invalid));
        return;
    }
    std::vector<int> codes;
    for (QChar c : fresh)
        codes.push_back(c.unicode());
    if (!session_.WriteRegisters(1600, codes)) {
        prompts_.Error(this, QString::fromUtf8(kTexts[language_].error));
        return;
    }
    accept();
}
