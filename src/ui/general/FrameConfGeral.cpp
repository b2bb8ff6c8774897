#include "ui/general/FrameConfGeral.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "persistence/Cp1252.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/general/FrameConfGeralTexts.h"
#include "ui/general/RelayIndicator.h"
#include "ui/service/FormDetectFalhaParam.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace FrameConfGeralTexts;
using Widgets::SetCell;

} // namespace

TFrameConfGeral::TFrameConfGeral(const TScreenContext& context, QWidget* parent)
    : TGeneralScreen(context, Family::kThermal, parent),
      commitFilter_(new TCommitFilter(
          Background(), [this] { CommitControls(); }, this)) {
    setObjectName("FrameConfGeral");
    BuildReadings();
    ApplyLanguage(0);
}

void TFrameConfGeral::BuildReadings() {
    BitBtn1_ = Widgets::Button("BitBtn1", Background());
    BitBtn1_->setText("Teste Falha Membrana"); // not translated
    BitBtn1_->hide();
    connect(BitBtn1_, &QPushButton::clicked, this, &TFrameConfGeral::BitBtn1Click);
    IdentityRow()->addWidget(BitBtn1_);

    auto* groups = new QHBoxLayout;
    rgVisualizacao_ = new TRadioGroup("rgVisualizacao", 2, Background());
    rgFreqOperacao_ = new TRadioGroup("rgFreqOperacao", 2, Background());
    for (TRadioGroup* g : {rgVisualizacao_, LanguageGroup(), rgFreqOperacao_}) {
        groups->addWidget(g);
        if (g != LanguageGroup())
            connect(g, &TRadioGroup::itemClicked, this, &TScreen::CommitControls);
    }
    Body()->addLayout(groups, 0, 0, 1, 2);

    sgMedidas_ = Widgets::Grid("sgMedidas", 7, 3, {40, 100, 100}, Background());
    sgMedidasEnrolamento_ = Widgets::Grid("sgMedidasEnrolamento", 4, 4, {56, 90, 90, 90}, Background());
    for (int n = 1; n <= 6; ++n)
        SetCell(sgMedidas_, n, 0, QString::number(n));
    for (int k = 1; k <= 3; ++k)
        SetCell(sgMedidasEnrolamento_, k, 0, QString::number(k));
    Body()->addWidget(sgMedidas_, 1, 0, Qt::AlignTop);
    Body()->addWidget(sgMedidasEnrolamento_, 1, 1, Qt::AlignTop);
    Body()->addWidget(BuildRelays(), 2, 0, 1, 2);
}

QWidget* TFrameConfGeral::BuildRelays() {
    auto* box = new QWidget(Background());
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 10; ++i) {
        auto* relay = new TRelayIndicator(i + 1, true, box);
        auto* name = new QLineEdit(relay);
        name->setObjectName(QStringLiteral("edRele%1").arg(i + 1));
        // Room for a name such as "Ventilação 10" in the layout's own font.
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QStringLiteral("Ventilação 10")) + 16);
        commitFilter_->Watch(name);
        relay->AddBeside(name, 1);
        // Relays 1, 3, 5, 7, 9 above; 2, 4, 6, 8, 10 below.
        grid->addWidget(relay, i % 2, i / 2);
        relays_[static_cast<std::size_t>(i)] = relay;
        edRele_[static_cast<std::size_t>(i)] = name;
    }
    return box;
}

void TFrameConfGeral::BitBtn1Click() {
    // The dialog polls the device itself: two timers would only compete for the link.
    QTimer* timer = Timer();
    const bool polling = timer && timer->isActive();
    if (timer)
        timer->stop();
    TFormDetectFalhaParam dialog(Context(), Language(), this);
    ExecAt(dialog, 200, 200);
    if (polling)
        timer->start();
}

void TFrameConfGeral::AfterInitialReads() {
    if (Membrane())
        BitBtn1_->show(); // stays for the run
}

bool TFrameConfGeral::Membrane() const {
    return Connection().Facts().membrane;
}

void TFrameConfGeral::RetranslateReadings() {
    auto t = [l = Language()](TId id) { return FrameConfGeralTexts::Text(id, l); };
    rgVisualizacao_->setTitle(t(Indication));
    rgVisualizacao_->SetItems({t(IndicationTemperature), t(IndicationQuantity), t(IndicationPercent)});
    rgFreqOperacao_->setTitle(t(Frequency));
    rgFreqOperacao_->SetItems({"60 Hz", "50 Hz"});
    SetCell(sgMedidas_, 0, 0, t(HeadingRtd));
    SetCell(sgMedidas_, 0, 1, t(HeadingTemperature));
    SetCell(sgMedidas_, 0, 2, t(HeadingResistance));
    SetCell(sgMedidasEnrolamento_, 0, 0, t(HeadingWinding));
    SetCell(sgMedidasEnrolamento_, 0, 1, t(HeadingTemperature));
    SetCell(sgMedidasEnrolamento_, 0, 2, t(HeadingCurrent));
    SetCell(sgMedidasEnrolamento_, 0, 3, t(HeadingCurrentPercent));
    // No caption beside a relay's name: its lamp and picture show which relay it is.
    for (std::size_t i = 0; i < edRele_.size(); ++i)
        edRele_[i]->setAccessibleName(t(RelayName).arg(i + 1));
}

void TFrameConfGeral::ClearReadings() {
    for (TRadioGroup* g : {rgVisualizacao_, rgFreqOperacao_})
        g->SetItemIndex(-1);
    for (int r = 1; r < 7; ++r)
        for (int c = 1; c < 3; ++c)
            SetCell(sgMedidas_, r, c, {});
    for (int r = 1; r < 4; ++r)
        for (int c = 1; c < 4; ++c)
            SetCell(sgMedidasEnrolamento_, r, c, {});
}

void TFrameConfGeral::FillReadings(bool connected) {
    const TProgramMainConf& settings = Context().settings;
    for (std::size_t i = 0; i < 10; ++i) {
        if (!edRele_[i]->hasFocus())
            edRele_[i]->setText(Cp1252::ToUnicode(settings.relayNames[i]));
        edRele_[i]->setEnabled(connected);
    }
    // A membrane-test device has only its RTD: nothing else of the last device stays on show.
    ClearReadings();
    if (!connected || Membrane()) {
        for (TRelayIndicator* relay : relays_)
            relay->Clear();
    }
    if (!connected)
        return;
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    const int rtds = Membrane() ? 1 : 6;
    for (int n = 1; n <= rtds; ++n) {
        SetCell(sgMedidas_, n, 1, QString::asprintf("%.1fºC", (v(508 + 2 * n) - 1500) / 10.0));
        SetCell(sgMedidas_, n, 2, QString::asprintf("%.1f ohms", v(509 + 2 * n) / 10.0));
    }
    if (Membrane())
        return;
    rgVisualizacao_->SetValue(v(201));
    rgFreqOperacao_->SetValue(v(211));
    for (int k = 1; k <= 3; ++k) {
        SetCell(sgMedidasEnrolamento_, k, 1, QString::asprintf("%.1fºC", (v(500 + k) - 1500) / 10.0));
        SetCell(sgMedidasEnrolamento_, k, 2, QString::asprintf("%.2f A", v(503 + k) / 100.0));
        SetCell(sgMedidasEnrolamento_, k, 3, QString::asprintf("%.1f %%", v(506 + k) / 10.0));
    }
    FillRelays();
}

void TFrameConfGeral::FillRelays() {
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    for (std::size_t i = 0; i < relays_.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        relays_[i]->ShowState((v(600 + n) != 0) != (v(100 + n) != 0)); // inverse logic turns it over
    }
}

void TFrameConfGeral::CommitReadings(TCommitBatch& batch) {
    TProgramMainConf& settings = Context().settings;
    bool namesChanged = false;
    for (std::size_t i = 0; i < 10; ++i) {
        const std::string name = Cp1252::FromUnicode(edRele_[i]->text());
        namesChanged = namesChanged || name != settings.relayNames[i];
        settings.relayNames[i] = name;
    }
    if (namesChanged)
        settings.Save(); // nothing is written at exit
    if (Membrane())
        return;
    if (const auto index = rgVisualizacao_->ChosenIndex())
        batch.Write(201, *index);
    if (const auto index = rgFreqOperacao_->ChosenIndex())
        batch.Write(211, *index);
}
