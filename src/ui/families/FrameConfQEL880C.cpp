#include "ui/families/FrameConfQEL880C.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/FieldRule.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/families/FrameConfQEL880CTexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using namespace FrameConfQEL880CTexts;

constexpr int kFirst = 701;
constexpr int kNeutral = 704;
constexpr int kMode = 707;
constexpr int kSettleMs = 300;

struct TField {
    const char* box;
    const char* label;
    TId caption;
    int reg;
    TFieldRule rule;
    TId error;
};
// The resistance is taken from 2.96 to 20.04: what rounds to 3.0 .. 20.0.
const std::array<TField, 4> kFieldTable{{
    {"edResPorPos", "lblResPorPos", ResistancePerPosition, 701, {1, 29600, 200400}, ErrorResistance},
    {"edNumPos", "lblNumPos", Positions, 702, {0, 2, 50}, ErrorPositions},
    {"edPosMin", "lblPosMin", MinPosition, 705, {0, 1, 50}, ErrorMinPosition},
    {"edPosMax", "lblPosMax", MaxPosition, 706, {0, 1, 50}, ErrorMaxPosition},
}};

} // namespace

TFrameConfQEL880C::TFrameConfQEL880C(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      pausedCommit_([this] { CommitOnce(); }, [this] { FillControls(); }, kSettleMs) {
    setObjectName("FrameConfQEL880C");
    auto* layout = new QVBoxLayout(background_);
    rgModoLeitura_ = new TRadioGroup("rgModoLeitura", 2, background_);
    connect(rgModoLeitura_, &TRadioGroup::itemClicked, this, [this] { CommitControls(); });
    gbComutador_ = new QGroupBox(background_);
    gbComutador_->setObjectName("gbComutador");
    auto* grid = new QGridLayout(gbComutador_);
    for (std::size_t i = 0; i < kFieldTable.size(); ++i) {
        labels_[i] = new QLabel(gbComutador_);
        labels_[i]->setObjectName(kFieldTable[i].label);
        boxes_[i] = new QLineEdit(gbComutador_);
        boxes_[i]->setObjectName(kFieldTable[i].box);
        boxes_[i]->setMaximumWidth(80);
        grid->addWidget(labels_[i], static_cast<int>(i), 0);
        grid->addWidget(boxes_[i], static_cast<int>(i), 1);
    }
    lblPosNeutra_ = new QLabel(gbComutador_);
    lblPosNeutra_->setObjectName("lblPosNeutra");
    edPosNeutra_ = new QLineEdit(gbComutador_);
    edPosNeutra_->setObjectName("edPosNeutra");
    lblPosNeutra_->hide();
    edPosNeutra_->hide();
    // Only the resistance commits when left; the other boxes are written by the next commit.
    auto* filter = new TCommitFilter(
        background_, [this] { CommitControls(); }, this);
    filter->Watch(boxes_[0]);
    auto* row = new QHBoxLayout;
    row->addWidget(rgModoLeitura_, 0, Qt::AlignTop);
    row->addWidget(gbComutador_, 0, Qt::AlignTop);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    ApplyLanguage(0);
}

void TFrameConfQEL880C::Retranslate() {
    auto t = [this](TId id) { return FrameConfQEL880CTexts::Text(id, Language()); };
    rgModoLeitura_->setTitle(t(MeasurementMode));
    rgModoLeitura_->SetItems({t(Resistance), t(Current)});
    gbComutador_->setTitle(t(TapChanger));
    for (std::size_t i = 0; i < kFieldTable.size(); ++i)
        labels_[i]->setText(t(kFieldTable[i].caption));
    lblPosNeutra_->setText(t(NeutralPosition));
}

void TFrameConfQEL880C::QueueReads(TReadBatch& batch) {
    batch.Add(kFirst, 7);
}

void TFrameConfQEL880C::Fill() {
    if (!Session().IsConnected())
        return;
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    // Every box is overwritten, also the one being typed in.
    for (std::size_t i = 0; i < kFieldTable.size(); ++i)
        boxes_[i]->setText(QString::fromStdString(kFieldTable[i].rule.Format(v(kFieldTable[i].reg))));
    edPosNeutra_->setText(QString::number(v(kNeutral)));
    const int mode = v(kMode);
    rgModoLeitura_->SetValue(mode < rgModoLeitura_->Count() ? mode : -1);
}

void TFrameConfQEL880C::Commit() {
    pausedCommit_.Run();
}

void TFrameConfQEL880C::CommitOnce() {
    TCommitBatch batch(Session(), Prompts(), this, FrameConfQEL880CTexts::Text(ErrorSending, Language()));
    for (std::size_t i = 0; i < kFieldTable.size(); ++i) {
        const TField& f = kFieldTable[i];
        if (const auto value = f.rule.Parse(boxes_[i]->text().toStdString()))
            batch.Write(f.reg, *value);
        else
            batch.Invalid(FrameConfQEL880CTexts::Text(f.error, Language()));
    }
    if (const auto mode = rgModoLeitura_->ChosenIndex())
        batch.Write(kMode, *mode);
    batch.Finish();
}
