#include "ui/families/Form_QEL880IRR_Manual.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "persistence/EventLog.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/Language.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/families/Form_QEL880IRR_ManualTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace Form_QEL880IRR_ManualTexts;

constexpr int kDuration = 210;
constexpr int kBranches = 211;
constexpr int kOutputs = 212;
constexpr int kStartCycle = 1110;
constexpr int kStopCycle = 1111;
constexpr int kTimerMs = 3500;
constexpr int kReadBackMs = 300;

template <std::size_t N> int Mask(const std::array<QCheckBox*, N>& boxes, int firstBit) {
    int mask = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (boxes[i]->isChecked())
            mask |= 1 << (firstBit + static_cast<int>(i));
    return mask;
}

template <std::size_t N> void SetBits(const std::array<QCheckBox*, N>& boxes, int value, int firstBit) {
    for (std::size_t i = 0; i < N; ++i)
        boxes[i]->setChecked((value >> (firstBit + static_cast<int>(i)) & 1) != 0);
}

} // namespace

TForm_QEL880IRR_Manual::TForm_QEL880IRR_Manual(TEquipComm& session, int language, TUserPrompts& prompts,
                                               QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts), pnBack_(Widgets::DialogBackground(this)),
      commitFilter_(new TCommitFilter(
          pnBack_, [this] { CommitControls(); }, this)),
      timerUpdate_(new QTimer(this)) {
    setObjectName("Form_QEL880IRR_Manual");
    auto* layout = new QVBoxLayout(pnBack_);
    layout->addWidget(BuildCycle(pnBack_));
    layout->addWidget(BuildControl(pnBack_));

    timerUpdate_->setObjectName("TimerUpdate");
    timerUpdate_->setInterval(kTimerMs);
    connect(timerUpdate_, &QTimer::timeout, this, &TForm_QEL880IRR_Manual::TimerUpdateTimer);

    session_.ReadRegisters(kDuration, 3);
    FillControls();
    ApplyLanguage(language);
    timerUpdate_->start();
}

TForm_QEL880IRR_Manual::~TForm_QEL880IRR_Manual() {
    // The box loses its focus as the dialog's children go: that is no commit.
    edDuracao_->removeEventFilter(commitFilter_);
}

QGroupBox* TForm_QEL880IRR_Manual::BuildCycle(QWidget* parent) {
    gbCicloManual_ = new QGroupBox(parent);
    gbCicloManual_->setObjectName("gbCicloManual");
    auto* grid = new QGridLayout(gbCicloManual_);
    for (std::size_t i = 0; i < cbCicloValvula_.size(); ++i) {
        cbCicloValvula_[i] = Box(QStringLiteral("cbCicloValvula%1").arg(i + 1), gbCicloManual_);
        grid->addWidget(cbCicloValvula_[i], 0, static_cast<int>(i));
    }
    lblDuracao_ = new QLabel(gbCicloManual_);
    lblDuracao_->setObjectName("lblDuracao");
    edDuracao_ = new QLineEdit(gbCicloManual_);
    edDuracao_->setObjectName("edDuracao");
    edDuracao_->setMaximumWidth(80);
    commitFilter_->Watch(edDuracao_);
    lblDuracao_->setBuddy(edDuracao_);
    grid->addWidget(lblDuracao_, 1, 0, 1, 2);
    grid->addWidget(edDuracao_, 1, 2);
    auto* buttons = new QHBoxLayout;
    bbCicloManual_ = new QPushButton(gbCicloManual_);
    bbCicloManual_->setObjectName("bbCicloManual");
    bbCicloManualCancelar_ = new QPushButton(gbCicloManual_);
    bbCicloManualCancelar_->setObjectName("bbCicloManualCancelar");
    // Enter in the duration box commits it; it must not press a button of the dialog as well.
    for (QPushButton* b : {bbCicloManual_, bbCicloManualCancelar_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    grid->addLayout(buttons, 2, 0, 1, static_cast<int>(cbCicloValvula_.size()));
    connect(bbCicloManual_, &QPushButton::clicked, this, [this] { SendCommandAndSay(kStartCycle); });
    connect(bbCicloManualCancelar_, &QPushButton::clicked, this, [this] { SendCommandAndSay(kStopCycle); });
    return gbCicloManual_;
}

QGroupBox* TForm_QEL880IRR_Manual::BuildControl(QWidget* parent) {
    gbControleManual_ = new QGroupBox(parent);
    gbControleManual_->setObjectName("gbControleManual");
    auto* row = new QHBoxLayout(gbControleManual_);
    cbManualBomba_ = Box("cbManualBomba", gbControleManual_);
    row->addWidget(cbManualBomba_);
    for (std::size_t i = 0; i < cbValvula_.size(); ++i) {
        cbValvula_[i] = Box(QStringLiteral("cbValvula%1").arg(i + 1), gbControleManual_);
        row->addWidget(cbValvula_[i]);
    }
    return gbControleManual_;
}

QCheckBox* TForm_QEL880IRR_Manual::Box(const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    // Only a user's click commits; filling sets the state without one.
    connect(box, &QCheckBox::clicked, this, &TForm_QEL880IRR_Manual::CommitControls);
    return box;
}

QString TForm_QEL880IRR_Manual::Text(int id) const {
    return Form_QEL880IRR_ManualTexts::Text(static_cast<TId>(id), language_);
}

void TForm_QEL880IRR_Manual::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Text(Caption));
    gbCicloManual_->setTitle(Text(ManualCycle));
    gbControleManual_->setTitle(Text(ManualControl));
    for (std::size_t i = 0; i < cbCicloValvula_.size(); ++i) {
        cbCicloValvula_[i]->setText(Text(Branch).arg(i + 1));
        cbValvula_[i]->setText(Text(Branch).arg(i + 1));
    }
    lblDuracao_->setText(Text(Duration));
    bbCicloManual_->setText(Text(StartCycle));
    bbCicloManualCancelar_->setText(Text(StopCycle));
    cbManualBomba_->setText(Text(Pump));
}

void TForm_QEL880IRR_Manual::FillControls() {
    const bool was = refreshing_;
    refreshing_ = true;
    if (!edDuracao_->hasFocus())
        edDuracao_->setText(QString::number(session_.FetchRegister(kDuration)));
    SetBits(cbCicloValvula_, session_.FetchRegister(kBranches), 0);
    const int outputs = session_.FetchRegister(kOutputs);
    cbManualBomba_->setChecked((outputs & 1) != 0);
    SetBits(cbValvula_, outputs, 1);
    refreshing_ = was;
}

void TForm_QEL880IRR_Manual::CommitControls() {
    if (refreshing_)
        return;
    if (!session_.WriteRegister(kBranches, Mask(cbCicloValvula_, 0), true))
        prompts_.Error(this, CommunicationMessage());
    const QString typed = edDuracao_->text();
    const auto minutes = NumberRules::ParseInteger(typed.toStdString());
    if (!minutes || !NumberRules::InRange(*minutes, 0, 1440))
        prompts_.Error(this, Text(InvalidNumber) + typed);
    else if (!session_.WriteRegister(kDuration, *minutes, true))
        prompts_.Error(this, Text(ErrorSending));
    const int outputs = (cbManualBomba_->isChecked() ? 1 : 0) | Mask(cbValvula_, 1);
    if (!session_.WriteRegister(kOutputs, outputs, true))
        prompts_.Error(this, Text(ErrorSending));
    if (!session_.FlushWrites())
        prompts_.Error(this, CommunicationMessage());
    // The device takes a moment to act on the outputs; what it then holds is shown.
    EventLog::PauseHandlingEvents(kReadBackMs);
    Refresh();
}

void TForm_QEL880IRR_Manual::TimerUpdateTimer() {
    if (timerBusy_)
        return;
    timerBusy_ = true;
    Refresh();
    timerBusy_ = false;
}

void TForm_QEL880IRR_Manual::Refresh() {
    session_.ReadRegisters(kDuration, 3);
    FillControls();
}

QString TForm_QEL880IRR_Manual::CommunicationMessage() const {
    return Text(session_.IsPending() ? CommunicationError : ErrorSending);
}

void TForm_QEL880IRR_Manual::SendCommandAndSay(int code) {
    if (session_.SendCommand(code))
        prompts_.Information(this, Text(CommandSent));
    else
        prompts_.Error(this, CommunicationMessage());
}
