#include "ui/shell/FormAlterarRelogio.h"

#include "link/DeviceClock.h"
#include "ui/common/UserPrompts.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTimeEdit>

namespace {

const char* const kCaption[] = {"Trocar Horário", "Change Time", "Cambiar Tiempo"};
const char* const kDate[] = {"Data", "Date", "Fecha"};
const char* const kTime[] = {"Hora", "Time", "Hora"};
const char* const kError[] = {"Erro no envio do comando", "Error sending the command",
                              "Error en el envío del comando"};

} // namespace

TFormAlterarRelogio::TFormAlterarRelogio(TEquipComm& session, int language, TUserPrompts& prompts,
                                         QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts),
      language_(language >= 0 && language <= 2 ? language : 0),
      dtpData_(new QDateEdit(QDate::currentDate(), this)),
      dtpHora_(new QTimeEdit(QTime::currentTime(), this)) {
    setObjectName("FormAlterarRelogio");
    dtpData_->setObjectName("dtpData");
    dtpHora_->setObjectName("dtpHora");
    dtpData_->setCalendarPopup(true);
    dtpData_->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31)); // the device keeps two year digits
    dtpHora_->setDisplayFormat("HH:mm:ss");
    setWindowTitle(QString::fromUtf8(kCaption[language_]));
    auto* form = new QFormLayout(this);
    form->addRow(QString::fromUtf8(kDate[language_]), dtpData_);
    form->addRow(QString::fromUtf8(kTime[language_]), dtpHora_);
    auto* buttons = new QHBoxLayout;
    auto* bbOk = new QPushButton("OK", this);
    bbOk->setObjectName("bbOk");
    auto* bbCancel = new QPushButton("Cancelar", this); // the same in every language
    bbCancel->setObjectName("bbCancel");
    buttons->addWidget(bbOk);
    buttons->addWidget(bbCancel);
    form->addRow(buttons);
    connect(bbOk, &QPushButton::clicked, this, &TFormAlterarRelogio::bbOkClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormAlterarRelogio::bbOkClick() {
    if (!WriteDeviceClock(session_, QDateTime(dtpData_->date(), dtpHora_->time())))
        prompts_.Error(this, QString::fromUtf8(kError[language_]));
    accept();
}
