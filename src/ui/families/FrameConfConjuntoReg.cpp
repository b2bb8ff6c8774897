#include "ui/families/FrameConfConjuntoReg.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/FieldRule.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/families/FrameConfConjuntoRegTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

using namespace FrameConfConjuntoRegTexts;

constexpr int kRefillPauseMs = 300; // the device settles before the boxes show it again
constexpr int kSetRegisters = 11;
constexpr int kCommand = 3; // parameters of a set, 1..11
constexpr int kTiming = 4;

constexpr TFieldRule Integer(int low, int high) {
    return {.decimals = 0, .low = low, .high = high};
}
// Bounds in ten-thousandths of the typed value.
constexpr TFieldRule Tenths(int low, int high) {
    return {.decimals = 1, .low = low, .high = high};
}

struct TEditField {
    const char* box;
    int parameter; // register 20 s + parameter
    TFieldRule rule;
    TId message;
};

enum TEdit { Voltage, Deviation, Falling, Rising, Repetition, StartHour, StartMinute, EndHour, EndMinute };

// In the order a commit writes them; the command and timing types come after the first two.
constexpr std::size_t kBeforeTypes = 2;
constexpr std::array<TEditField, TFrameConfConjuntoReg::kEdits> kFields{{
    {"edTensaoNominal", 1, Tenths(799'600, 1'400'400), InvalidRatedVoltage},
    {"edDesvioMax", 2, Tenths(-400, 100'400), InvalidMaxDeviation},
    {"edTempoDescer", 6, Integer(0, 180), InvalidFallingTime},
    {"edTempoSubir", 5, Integer(0, 180), InvalidRisingTime},
    {"edTempoRepeticao", 7, Integer(0, 30), InvalidRepetitionTime},
    {"edInicioHora", 8, Integer(0, 23), InvalidStartHour},
    {"edInicioMin", 9, Integer(0, 59), InvalidStartMinute},
    {"edFimHora", 10, Integer(0, 23), InvalidEndHour},
    {"edFimMin", 11, Integer(0, 59), InvalidEndMinute},
}};

struct TLabel {
    const char* name;
    TId caption;
};
enum TLabelId {
    VoltageLabel,
    DeviationLabel,
    FallingLabel,
    RisingLabel,
    RepetitionLabel,
    StartLabel,
    EndLabel
};
constexpr std::array<TLabel, TFrameConfConjuntoReg::kLabels> kLabelTexts{{
    {"lblTensaoNominal", RatedVoltage},
    {"lblDesvioMax", MaxDeviation},
    {"lblTempoDescer", FallingTime},
    {"lblTempoSubir", RisingTime},
    {"lblTempoRepeticao", RepetitionTime},
    {"lblInicio", StartTime},
    {"lblFim", EndTime},
}};

// A group with no item for the device's value shows none.
void ShowValue(TRadioGroup* group, int value) {
    group->SetValue(value < group->Count() ? value : -1);
}

} // namespace

TFrameConfConjuntoReg::TFrameConfConjuntoReg(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)),
      pausedCommit_([this] { CommitOnce(); }, [this] { FillControls(); }, kRefillPauseMs) {
    setObjectName("FrameConfConjuntoReg");
    BuildLayout();
    ApplyLanguage(0);
}

void TFrameConfConjuntoReg::BuildLayout() {
    auto* layout = new QGridLayout(background_);
    gbConjunto_ = new QGroupBox(background_);
    gbConjunto_->setObjectName("gbConjunto");
    layout->addWidget(gbConjunto_, 0, 0, Qt::AlignTop);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);

    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto* box = new QLineEdit(gbConjunto_);
        box->setObjectName(kFields[i].box);
        box->setMaximumWidth(70);
        commitFilter_->Watch(box);
        edits_[i] = box;
    }
    for (std::size_t i = 0; i < kLabelTexts.size(); ++i) {
        labels_[i] = new QLabel(gbConjunto_);
        labels_[i]->setObjectName(kLabelTexts[i].name);
    }
    cbConjunto_ = new QComboBox(gbConjunto_);
    cbConjunto_->setObjectName("cbConjunto");
    connect(cbConjunto_, &QComboBox::activated, this, &TFrameConfConjuntoReg::cbConjuntoSelect);
    rgComando_ = Group("rgComando");
    rgTemporizacao_ = Group("rgTemporizacao");

    auto* grid = new QGridLayout(gbConjunto_);
    grid->addWidget(cbConjunto_, 0, 0, Qt::AlignLeft);
    AddRow(grid, VoltageLabel, Voltage);
    AddRow(grid, DeviationLabel, Deviation);
    grid->addWidget(rgComando_, grid->rowCount(), 0, 1, 2);
    grid->addWidget(rgTemporizacao_, grid->rowCount(), 0, 1, 2);
    AddRow(grid, FallingLabel, Falling);
    AddRow(grid, RisingLabel, Rising);
    AddRow(grid, RepetitionLabel, Repetition);
    AddTimeRow(grid, StartLabel, StartHour);
    AddTimeRow(grid, EndLabel, EndHour);
}

void TFrameConfConjuntoReg::AddRow(QGridLayout* grid, int label, int edit) {
    const int row = grid->rowCount();
    grid->addWidget(labels_[static_cast<std::size_t>(label)], row, 0);
    grid->addWidget(edits_[static_cast<std::size_t>(edit)], row, 1, Qt::AlignLeft);
}

void TFrameConfConjuntoReg::AddTimeRow(QGridLayout* grid, int label, int hourEdit) {
    const int row = grid->rowCount();
    grid->addWidget(labels_[static_cast<std::size_t>(label)], row, 0);
    auto* time = new QHBoxLayout;
    auto* hour = edits_[static_cast<std::size_t>(hourEdit)];
    auto* minute = edits_[static_cast<std::size_t>(hourEdit) + 1];
    hour->setMaximumWidth(40);
    minute->setMaximumWidth(40);
    time->addWidget(hour);
    time->addWidget(new QLabel(":", gbConjunto_));
    time->addWidget(minute);
    time->addStretch();
    grid->addLayout(time, row, 1);
}

TRadioGroup* TFrameConfConjuntoReg::Group(const char* name) {
    auto* group = new TRadioGroup(name, 2, gbConjunto_);
    connect(group, &TRadioGroup::itemClicked, this, &TScreen::CommitControls);
    return group;
}

void TFrameConfConjuntoReg::cbConjuntoSelect(int index) {
    set_ = index >= 0 && index < kSets ? index : 0;
    cbConjunto_->setCurrentIndex(set_);
    if (Session().IsConnected()) {
        TReadBatch batch(Session());
        QueueReads(batch);
        batch.Flush();
    }
    FillControls();
}

void TFrameConfConjuntoReg::Retranslate() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    gbConjunto_->setTitle(t(SetGroup));
    for (std::size_t i = 0; i < kLabelTexts.size(); ++i)
        labels_[i]->setText(t(kLabelTexts[i].caption));
    rgComando_->setTitle(t(CommandType));
    rgComando_->SetItems({t(Pulse), t(Constant)});
    rgTemporizacao_->setTitle(t(TimingType));
    rgTemporizacao_->SetItems({t(Constant), t(Inverse)});
    for (int s = 0; s < kSets; ++s) {
        if (s < cbConjunto_->count())
            cbConjunto_->setItemText(s, QString::number(s + 1));
        else
            cbConjunto_->addItem(QString::number(s + 1));
    }
    cbConjunto_->setCurrentIndex(set_);
}

void TFrameConfConjuntoReg::QueueReads(TReadBatch& batch) {
    batch.Add(Register(1), kSetRegisters);
}

void TFrameConfConjuntoReg::Fill() {
    if (!Session().IsConnected())
        return;
    ShowValue(rgComando_, Session().FetchRegister(Register(kCommand)));
    ShowValue(rgTemporizacao_, Session().FetchRegister(Register(kTiming)));
    // Every box, the one with the focus too: a refused entry gives way to what the device holds.
    for (std::size_t i = 0; i < kFields.size(); ++i)
        edits_[i]->setText(QString::fromStdString(
            kFields[i].rule.Format(Session().FetchRegister(Register(kFields[i].parameter)))));
}

void TFrameConfConjuntoReg::Commit() {
    pausedCommit_.Run();
}

void TFrameConfConjuntoReg::CommitOnce() {
    if (!Session().IsConnected())
        return;
    TCommitBatch batch(Session(), Prompts(), this, Text(ErrorSending, Language()));
    CommitEdits(batch, 0, kBeforeTypes);
    if (const auto index = rgComando_->ChosenIndex())
        batch.Write(Register(kCommand), *index);
    if (const auto index = rgTemporizacao_->ChosenIndex())
        batch.Write(Register(kTiming), *index);
    CommitEdits(batch, kBeforeTypes, kFields.size());
    batch.Finish();
}

void TFrameConfConjuntoReg::CommitEdits(TCommitBatch& batch, std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
        if (const auto value = kFields[i].rule.Parse(edits_[i]->text().toStdString()))
            batch.Write(Register(kFields[i].parameter), *value);
        else
            batch.Invalid(Text(kFields[i].message, Language()));
    }
}
