#include "ui/families/FrameConfQEL880R.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/FieldRule.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/families/FrameConfQEL880RTexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

using namespace FrameConfQEL880RTexts;

constexpr int kRefillPauseMs = 300; // the device settles before the boxes show it again
constexpr int kLdcType = 201;
constexpr int kConnection = 402;
constexpr int kMeasureOff = 707;

enum TGroup { Ldc, PtCt, Block, TapChanger };

constexpr TFieldRule Integer(int low, int high) {
    return {.decimals = 0, .low = low, .high = high};
}
// Bounds in ten-thousandths of the typed value.
constexpr TFieldRule Tenths(int low, int high, int offset = 0) {
    return {.decimals = 1, .low = low, .high = high, .offset = offset};
}

struct TEditField {
    const char* box;
    const char* label;
    TId caption;
    TGroup group;
    int reg;
    TFieldRule rule;
    TId message;
};

// In the order a commit writes them; the first four are the compensation's.
constexpr std::size_t kLdcEdits = 4;
constexpr std::array<TEditField, TFrameConfQEL880R::kEdits> kFields{{
    {"edUR", "lblUR", Ur, Ldc, 202, Tenths(-250'400, 250'400, 250), InvalidUr},
    {"edUX", "lblUX", Ux, Ldc, 203, Tenths(-250'400, 250'400, 250), InvalidUx},
    {"edZ", "lblZ", ZComp, Ldc, 204, Tenths(-400, 150'400), InvalidZ},
    {"edMaxComp", "lblMaxComp", MaxComp, Ldc, 205, Integer(0, 25), InvalidMaxComp},
    {"edDefasagem", "lblDefasagem", Lag, PtCt, 401, Integer(0, 359), InvalidLag},
    {"edRelacaoTP", "lblRelacaoTP", PtRatio, PtCt, 403, Integer(1, 9999), InvalidPtRatio},
    {"edRelacaoTC", "lblRelacaoTC", CtRatio, PtCt, 404, Integer(1, 9999), InvalidCtRatio},
    {"edCorrenteNominal", "lblCorrenteNominal", RatedCurrent, PtCt, 405, Tenths(998, 100'400),
     InvalidRatedCurrent},
    {"edSubtensao", "lblSubtensao", Undervoltage, Block, 501, Integer(10, 99), InvalidUndervoltage},
    {"edSobretensao", "lblSobretensao", Overvoltage, Block, 502, Integer(10, 99), InvalidOvervoltage},
    {"edSobrecorrente", "lblSobrecorrente", Overcurrent, Block, 503, Integer(10, 99), InvalidOvercurrent},
    {"edResPorPos", "lblResPorPos", ResistancePerPosition, TapChanger, 701, Tenths(29'600, 200'400),
     InvalidResistancePerPosition},
    {"edNumPos", "lblNumPos", Positions, TapChanger, 702, Integer(2, 50), InvalidPositions},
    {"edPosNeutra", "lblPosNeutra", NeutralPosition, TapChanger, 704, Integer(1, 50), InvalidNeutralPosition},
    {"edPosMin", "lblPosMin", MinPosition, TapChanger, 705, Integer(1, 50), InvalidMinPosition},
    {"edPosMax", "lblPosMax", MaxPosition, TapChanger, 706, Integer(1, 50), InvalidMaxPosition},
    {"edTempoPulso", "lblTempoPulso", PulseDuration, TapChanger, 708, Integer(1, 10), InvalidPulseDuration},
}};

constexpr std::array<const char*, TFrameConfQEL880R::kGroups> kGroupNames{"gbLDC", "gbTpTc", "gbBloqueio",
                                                                          "gbComutador"};
constexpr std::array<TId, TFrameConfQEL880R::kGroups> kGroupTitles{LdcGroup, PtCtGroup, BlockGroup,
                                                                   TapChangerGroup};

// A group with no item for the device's value shows none.
void ShowValue(TRadioGroup* group, int value) {
    group->SetValue(value < group->Count() ? value : -1);
}

void WriteChosen(TCommitBatch& batch, const TRadioGroup* group, int reg) {
    if (const auto index = group->ChosenIndex())
        batch.Write(reg, *index);
}

} // namespace

TFrameConfQEL880R::TFrameConfQEL880R(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)),
      pausedCommit_([this] { CommitOnce(); }, [this] { FillControls(); }, kRefillPauseMs) {
    setObjectName("FrameConfQEL880R");
    BuildLayout();
    ApplyLanguage(0);
}

void TFrameConfQEL880R::BuildLayout() {
    auto* layout = new QGridLayout(background_);
    std::array<QGridLayout*, kGroups> grids{};
    for (int g = 0; g < kGroups; ++g) {
        auto* box = new QGroupBox(background_);
        box->setObjectName(kGroupNames[static_cast<std::size_t>(g)]);
        groups_[static_cast<std::size_t>(g)] = box;
        grids[static_cast<std::size_t>(g)] = new QGridLayout(box);
        layout->addWidget(box, g / 2, g % 2, Qt::AlignTop);
    }
    rgTipoLdc_ = Group("rgTipoLdc", 2, groups_[Ldc]);
    grids[Ldc]->addWidget(rgTipoLdc_, 0, 0, 1, 2);
    AddEdits(Ldc, grids[Ldc], 1);
    rgTipoConexao_ = Group("rgTipoConexao", 1, groups_[PtCt]);
    grids[PtCt]->addWidget(rgTipoConexao_, 0, 0, 1, 2);
    AddEdits(PtCt, grids[PtCt], 1);
    AddEdits(Block, grids[Block], 0);
    AddEdits(TapChanger, grids[TapChanger], 0);
    rgDesligaMedida_ = Group("rgDesligaMedida", 2, groups_[TapChanger]);
    grids[TapChanger]->addWidget(rgDesligaMedida_, grids[TapChanger]->rowCount(), 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(2, 1);
}

void TFrameConfQEL880R::AddEdits(int group, QGridLayout* grid, int row) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].group != group)
            continue;
        QGroupBox* parent = groups_[static_cast<std::size_t>(group)];
        auto* label = new QLabel(parent);
        label->setObjectName(kFields[i].label);
        auto* box = new QLineEdit(parent);
        box->setObjectName(kFields[i].box);
        box->setMaximumWidth(70);
        commitFilter_->Watch(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, Qt::AlignLeft);
        labels_[i] = label;
        edits_[i] = box;
        ++row;
    }
}

TRadioGroup* TFrameConfQEL880R::Group(const char* name, int columns, QWidget* parent) {
    auto* group = new TRadioGroup(name, columns, parent);
    connect(group, &TRadioGroup::itemClicked, this, &TScreen::CommitControls);
    return group;
}

void TFrameConfQEL880R::Retranslate() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    for (std::size_t g = 0; g < groups_.size(); ++g)
        groups_[g]->setTitle(t(kGroupTitles[g]));
    for (std::size_t i = 0; i < kFields.size(); ++i)
        labels_[i]->setText(t(kFields[i].caption));
    rgTipoLdc_->setTitle(t(LdcType));
    rgTipoLdc_->SetItems({"RX", "Z"});
    rgTipoConexao_->setTitle(t(ConnectionType));
    rgTipoConexao_->SetItems({t(SinglePhase), t(PhaseNeutral), t(PhasePhase)});
    rgDesligaMedida_->setTitle(t(PositionMeasure));
    rgDesligaMedida_->SetItems({t(Active), t(Deactivated)});
}

void TFrameConfQEL880R::QueueReads(TReadBatch& batch) {
    // 703, the indication mode, comes with its block but is not shown here.
    batch.Add(201, 5).Add(401, 5).Add(501, 3).Add(701, 8);
}

void TFrameConfQEL880R::Fill() {
    if (!Session().IsConnected())
        return;
    ShowValue(rgTipoLdc_, Session().FetchRegister(kLdcType));
    ShowValue(rgTipoConexao_, Session().FetchRegister(kConnection));
    ShowValue(rgDesligaMedida_, Session().FetchRegister(kMeasureOff));
    // Every box, the one with the focus too: a refused entry gives way to what the device holds.
    for (std::size_t i = 0; i < kFields.size(); ++i)
        edits_[i]->setText(
            QString::fromStdString(kFields[i].rule.Format(Session().FetchRegister(kFields[i].reg))));
}

void TFrameConfQEL880R::Commit() {
    pausedCommit_.Run();
}

void TFrameConfQEL880R::CommitOnce() {
    if (!Session().IsConnected())
        return;
    TCommitBatch batch(Session(), Prompts(), this, Text(ErrorSending, Language()));
    WriteChosen(batch, rgTipoLdc_, kLdcType);
    CommitEdits(batch, 0, kLdcEdits);
    WriteChosen(batch, rgTipoConexao_, kConnection);
    CommitEdits(batch, kLdcEdits, kFields.size());
    WriteChosen(batch, rgDesligaMedida_, kMeasureOff);
    batch.Finish();
}

void TFrameConfQEL880R::CommitEdits(TCommitBatch& batch, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        if (const auto value = kFields[i].rule.Parse(edits_[i]->text().toStdString()))
            batch.Write(kFields[i].reg, *value);
        else
            batch.Invalid(Text(kFields[i].message, Language()));
    }
}
