#include "ui/general/FrameConfGeral_QEL880R.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/RegulatorOutputs.h"
#include "model/SharedRegisters.h"
#include "model/TapPosition.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/general/FrameConfGeral_QEL880RTexts.h"
#include "ui/general/RelayIndicator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

using namespace FrameConfGeral_QEL880RTexts;
using Widgets::SetCell;

constexpr int kStyle = 703;
constexpr int kReference = 704;
constexpr int kMinimumReached = 801;
constexpr int kMaximumReached = 802;
constexpr int kCommutations = 804;
constexpr int kPosition = 1015;
constexpr int kPositionInput = 2670;
constexpr int kNoPositionInput = 3;
constexpr int kRaiseCommand = 1000;
constexpr int kLowerCommand = 1003;
constexpr int kPositionRow = 9;

} // namespace

TFrameConfGeral_QEL880R::TFrameConfGeral_QEL880R(const TScreenContext& context, QWidget* parent)
    : TGeneralScreen(context, Family::kRegulator, parent) {
    setObjectName("FrameConfGeral_QEL880R");
    BuildReadings();
    ApplyLanguage(0);
}

void TFrameConfGeral_QEL880R::BuildReadings() {
    auto* groups = new QHBoxLayout;
    rgVisualizacao_ = new TRadioGroup("rgVisualizacao", 2, Background());
    connect(rgVisualizacao_, &TRadioGroup::itemClicked, this, &TScreen::CommitControls);
    groups->addWidget(rgVisualizacao_);
    groups->addWidget(LanguageGroup());
    Body()->addLayout(groups, 0, 0, 1, 2);

    sgMedidas_ = Widgets::Grid("sgMedidas", 10, 2, {120, 100}, Background());
    sgMedidas2_ = Widgets::Grid("sgMedidas2", 10, 2, {120, 100}, Background());
    Body()->addWidget(sgMedidas_, 1, 0, Qt::AlignTop);
    Body()->addWidget(sgMedidas2_, 1, 1, Qt::AlignTop);

    auto* commands = new QHBoxLayout;
    bbResetMaxMinCom_ = Widgets::Button("bbResetMaxMinCom", Background());
    bbPosicaoUp_ = Widgets::Button("bbPosicaoUp", Background());
    bbPosicaoDown_ = Widgets::Button("bbPosicaoDown", Background());
    for (QPushButton* b : {bbResetMaxMinCom_, bbPosicaoUp_, bbPosicaoDown_})
        commands->addWidget(b);
    Body()->addLayout(commands, 2, 0, 1, 2);
    connect(bbResetMaxMinCom_, &QPushButton::clicked, this, &TFrameConfGeral_QEL880R::bbResetMaxMinComClick);
    connect(bbPosicaoUp_, &QPushButton::clicked, this, [this] { SendCommandAndSay(kRaiseCommand); });
    connect(bbPosicaoDown_, &QPushButton::clicked, this, [this] { SendCommandAndSay(kLowerCommand); });

    auto* relays = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        auto* relay = new TRelayIndicator(i + 1, true, Background());
        auto* caption = new QLabel(relay);
        caption->setObjectName(QStringLiteral("lblRele%1").arg(i + 1));
        relay->AddBeside(caption, 1);
        // Relays 1, 3, 5, 7, 9 above; 2, 4, 6, 8, 10 below.
        relays->addWidget(relay, i % 2, i / 2);
        relays_[static_cast<std::size_t>(i)] = relay;
        lblRele_[static_cast<std::size_t>(i)] = caption;
    }
    Body()->addLayout(relays, 3, 0, 1, 2);
}

void TFrameConfGeral_QEL880R::AfterInitialReads() {
    emit currentOutputButtonShown(RegulatorOutputs::Fitted(Session().Image()) > 0);
}

void TFrameConfGeral_QEL880R::RetranslateReadings() {
    auto t = [l = Language()](TId id) { return FrameConfGeral_QEL880RTexts::Text(id, l); };
    rgVisualizacao_->setTitle(t(Indication));
    rgVisualizacao_->SetItems({"1 ... n", "-x ... +y", "+y ... -x", "xL ... N ... yR", "xR ... N ... yL"});
    SetCell(sgMedidas_, 0, 1, t(Measure));
    for (int row = 1; row <= 9; ++row) {
        SetCell(sgMedidas_, row, 0, t(static_cast<TId>(SecondaryVoltage + row - 1)));
        SetCell(sgMedidas2_, row, 0, t(static_cast<TId>(ApparentPower + row - 1)));
    }
    bbResetMaxMinCom_->setText(t(ResetExtremes));
    bbPosicaoUp_->setText(t(PositionUp));
    bbPosicaoDown_->setText(t(PositionDown));
    for (std::size_t i = 0; i < lblRele_.size(); ++i)
        lblRele_[i]->setText(t(static_cast<TId>(RelayUp + static_cast<int>(i))));
}

void TFrameConfGeral_QEL880R::FillReadings(bool connected) {
    if (!connected) {
        rgVisualizacao_->SetItemIndex(-1);
        for (int row = 1; row <= 9; ++row) {
            SetCell(sgMedidas_, row, 1, {});
            SetCell(sgMedidas2_, row, 1, {});
        }
        for (TRelayIndicator* relay : relays_)
            relay->Clear();
        return;
    }
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    rgVisualizacao_->SetValue(v(kStyle));
    FillGrids();
    FillPosition();
    for (std::size_t i = 0; i < relays_.size(); ++i)
        relays_[i]->ShowState(v(1100 + static_cast<int>(i)) != 0);
}

void TFrameConfGeral_QEL880R::FillGrids() {
    auto v = [this](int reg) { return static_cast<double>(Session().FetchRegister(reg)); };
    SetCell(sgMedidas_, 1, 1, QString::asprintf("%.1f V", v(1001) / 10));
    SetCell(sgMedidas_, 2, 1, QString::asprintf("%.2f A", v(1002) / 100));
    SetCell(sgMedidas_, 3, 1, QString::asprintf("%.1f kV", v(1003) / 10));
    SetCell(sgMedidas_, 4, 1, QString::asprintf("%.0f A", v(1004)));
    SetCell(sgMedidas_, 5, 1, QString::asprintf("%.1f kV", v(1005) / 10));
    SetCell(sgMedidas_, 6, 1, QString::asprintf("%.1fº", v(1006) / 10));
    SetCell(sgMedidas_, 7, 1, QString::asprintf("%.3f", v(1007) / 1000));
    SetCell(sgMedidas_, 8, 1, QString::asprintf("%.0f", v(1014) + 1));
    SetCell(sgMedidas2_, 1, 1, QString::asprintf("%.1f MVA", v(1008) / 10));
    SetCell(sgMedidas2_, 2, 1, QString::asprintf("%.1f MW", v(1009) / 10));
    SetCell(sgMedidas2_, 3, 1, QString::asprintf("%.1f MVAr", v(1010) / 10));
    SetCell(sgMedidas2_, 4, 1, QString::asprintf("%.1f %%", v(1011) / 10));
    SetCell(sgMedidas2_, 5, 1, QString::asprintf("%.1f %%", v(1012) / 10));
    SetCell(sgMedidas2_, 6, 1, QString::asprintf("%.1f %%", (v(1013) - 1000) / 10));
    SetCell(sgMedidas2_, 7, 1, QString::asprintf("%.0f", v(kMinimumReached)));
    SetCell(sgMedidas2_, 8, 1, QString::asprintf("%.0f", v(kMaximumReached)));
    SetCell(sgMedidas2_, 9, 1,
            QString::asprintf("%.0f ", v(kCommutations)) +
                FrameConfGeral_QEL880RTexts::Text(Millions, Language()));
}

void TFrameConfGeral_QEL880R::FillPosition() {
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    if (v(kPositionInput) == kNoPositionInput) {
        SetCell(sgMedidas_, kPositionRow, 1, {});
        return;
    }
    if (const auto text = TapPosition::Text(v(kStyle), v(kPosition), v(kReference)))
        SetCell(sgMedidas_, kPositionRow, 1, QString::fromStdString(*text));
}

void TFrameConfGeral_QEL880R::CommitReadings(TCommitBatch& batch) {
    if (const auto index = rgVisualizacao_->ChosenIndex())
        batch.Write(kStyle, *index);
}

void TFrameConfGeral_QEL880R::bbResetMaxMinComClick() {
    auto t = [l = Language()](TId id) { return FrameConfGeral_QEL880RTexts::Text(id, l); };
    if (!Session().IsConnected() || !Prompts().Question(this, t(AskReset)))
        return;
    // Both extremes start again from where the tap stands now, even when they already hold it.
    const int position = Session().FetchRegister(kPosition);
    bool ok = Session().WriteRegister(kMinimumReached, position, true, true);
    ok = Session().WriteRegister(kMaximumReached, position, true, true) && ok;
    ok = Session().WriteRegister(kCommutations, 0, true, true) && ok;
    ok = Session().FlushWrites() && ok;
    if (ok)
        Prompts().Information(this, t(MemoryReset));
    else
        Prompts().Error(this, t(ErrorErasing));
}
