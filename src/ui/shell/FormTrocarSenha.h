#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class TEquipComm;
class TUserPrompts;

// Changes the device's four-letter password.
class TFormTrocarSenha : public QDialog {
    Q_OBJECT
public:
    TFormTrocarSenha(TEquipComm& session, int language, TUserPrompts& prompts, QWidget* parent = nullptr);

private:
    void bbOkClick();

    TEquipComm& session_;
    TUserPrompts& prompts_;
    int language_;
    QLabel* pnSenhaAtual_;
    QLineEdit* edSenhaNova_;
};
