#pragma once

#include <QDialog>

class QDateEdit;
class QTimeEdit;
class TEquipComm;
class TUserPrompts;

// Sets the device's clock to a date and time the user picks.
class TFormAlterarRelogio : public QDialog {
    Q_OBJECT
public:
    TFormAlterarRelogio(TEquipComm& session, int language, TUserPrompts& prompts, QWidget* parent = nullptr);

private:
    void bbOkClick();

    TEquipComm& session_;
    TUserPrompts& prompts_;
    int language_;
    QDateEdit* dtpData_;
    QTimeEdit* dtpHora_;
};
