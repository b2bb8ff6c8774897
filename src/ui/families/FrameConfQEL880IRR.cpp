#include "ui/families/FrameConfQEL880IRR.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/NumberRules.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/families/FrameConfQEL880IRRTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string>

namespace {

using namespace FrameConfQEL880IRRTexts;

constexpr int kCycles = 5;
constexpr int kCycleStart = 1; // cycle c at 1 + c
constexpr int kCycleBranches = 21;
constexpr int kBranchBits = 0x1F;
// A run of boxes is written with the register after its last box, which no box shows.
constexpr int kRunLength = 6;
// The device takes a moment to apply what it was sent before the screen shows it again.
constexpr int kSettleMs = 300; // the device settles before the boxes show it again

// One edit box, or a run of five, checked and written the same way.
struct TField {
    const char* edit; // a run's boxes add their number 1..5
    int reg;          // the first of a run; a cycle's setting adds the cycle
    int decimals;     // 0: a plain integer
    int low;          // the range, in register units
    int high;
    bool run;
    bool perCycle;
};

constexpr std::array<TField, 14> kFields{{
    {"edDuracao", 11, 0, 0, 1440, false, true},
    {"edHidrometroMax", 31, 0, 0, 10000, false, false},
    {"edAtrasoRamal", 40, 0, 0, 3600, true, false},
    {"edManualDuracao", 210, 0, 0, 1440, false, false},
    {"edPressaoFundoEscala", 102, 1, 10, 200, false, false},
    {"edPressaoMaxima", 103, 1, 10, 100, false, false},
    {"edPressaoMinima", 104, 1, 10, 100, false, false},
    {"edTimerPressaoMaxima", 105, 0, 0, 120, false, false},
    {"edTimerPressaoMinima", 106, 0, 0, 120, false, false},
    {"edHidrometroFator", 203, 2, 1, 10000, false, false},
    {"edPluviometroFator", 205, 2, 1, 10000, false, false},
    {"edPluviometroMaximo", 206, 1, 0, 20000, false, false},
    {"edPluviometroPeriodo", 207, 0, 0, 744, false, false},
    {"edPluvMaxRamal", 220, 1, 0, 20000, true, false},
}};

struct TGroup {
    int reg;
    TId title;
    std::array<TId, 2> items;
};

constexpr std::array<TGroup, 5> kGroups{{
    {209, EnableValves, {Disable, Enable}},
    {101, PressureSensor, {Relay, CurrentInput}},
    {201, OperationMode, {Manual, Automatic}},
    {213, WaterPresence, {NormallyClosed, NormallyOpen}},
    {214, PressureSwitch, {NormallyClosed, NormallyOpen}},
}};

constexpr std::array<int, 5> kCheckRegisters{32, 202, 204, 208, 215};

// The range holds for the typed value to the thousandth, before it is rounded to the register's
// scale: 0.005 L/pulse is refused rather than written as 0.01.
std::optional<int> FieldValue(const TField& field, const QString& text) {
    const std::string typed = text.toStdString();
    if (field.decimals == 0) {
        const auto value = NumberRules::ParseInteger(typed);
        return value && NumberRules::InRange(*value, field.low, field.high) ? value : std::nullopt;
    }
    int factor = 1;
    for (int d = field.decimals; d < 3; ++d)
        factor *= 10;
    const auto milli = NumberRules::ParseScaled(typed, 3);
    if (!milli || !NumberRules::InRange(*milli, field.low * factor, field.high * factor))
        return std::nullopt;
    return NumberRules::ParseScaled(typed, field.decimals);
}

QString FieldText(const TField& field, int value) {
    return field.decimals == 0 ? QString::number(value)
                               : QString::fromStdString(NumberRules::FormatScaled(value, field.decimals));
}

// A check box reads any non-zero value as checked: left checked, it keeps the device's own value.
int TwoValued(bool checked, int device) {
    return checked && device != 0 ? device : (checked ? 1 : 0);
}

QLineEdit* Edit(const QString& name, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(width);
    return box;
}

} // namespace

TFrameConfQEL880IRR::TFrameConfQEL880IRR(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)),
      pausedCommit_([this] { CommitOnce(); }, [this] { FillControls(); }, kSettleMs) {
    setObjectName("FrameConfQEL880IRR");
    static_assert(kFields.size() == FieldCount && kGroups.size() == GroupCount &&
                  kCheckRegisters.size() == CheckCount);
    auto* columns = new QHBoxLayout(background_);
    columns->addWidget(BuildCycle(), 0, Qt::AlignTop);
    auto* middle = new QVBoxLayout;
    middle->addWidget(BuildPump());
    middle->addWidget(BuildGeneral());
    middle->addStretch();
    columns->addLayout(middle);
    columns->addWidget(BuildSensors(), 0, Qt::AlignTop);
    columns->addStretch();
    ApplyLanguage(0);
}

QLabel* TFrameConfQEL880IRR::Label(const QString& name, int id, QWidget* parent, int number) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    if (id >= 0)
        captions_.push_back({label, id, number});
    return label;
}

std::array<QWidget*, 3> TFrameConfQEL880IRR::FieldRow(QGridLayout* grid, int row, TFieldId field,
                                                      const char* label, int caption, const QString& unit) {
    QLabel* name = Label(label, caption, grid->parentWidget());
    QLineEdit* box = Edit(kFields[field].edit, 60, grid->parentWidget());
    QLabel* units = Label(QStringLiteral("%1Unidade").arg(label), -1, grid->parentWidget());
    units->setText(unit);
    commitFilter_->Watch(box);
    edits_[field][0] = box;
    grid->addWidget(name, row, 0);
    grid->addWidget(box, row, 1);
    grid->addWidget(units, row, 2);
    return {name, box, units};
}

void TFrameConfQEL880IRR::RunRows(QGridLayout* grid, int row, TFieldId field, const char* label, int caption,
                                  const QString& unit) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(Label(label, caption, parent), row, 0, 1, 3);
    auto* boxes = new QGridLayout;
    for (int i = 0; i < kBranches; ++i) {
        QLabel* number = Label(QStringLiteral("%1Num%2").arg(label).arg(i + 1), -1, parent);
        number->setText(QString::number(i + 1));
        number->setAlignment(Qt::AlignCenter);
        QLineEdit* box = Edit(QStringLiteral("%1%2").arg(kFields[field].edit).arg(i + 1), 50, parent);
        commitFilter_->Watch(box);
        edits_[field][static_cast<std::size_t>(i)] = box;
        boxes->addWidget(number, 0, i);
        boxes->addWidget(box, 1, i);
        if (!unit.isEmpty()) {
            QLabel* units = Label(QStringLiteral("%1Unidade%2").arg(label).arg(i + 1), -1, parent);
            units->setText(unit);
            units->setAlignment(Qt::AlignCenter);
            boxes->addWidget(units, 2, i);
        }
    }
    boxes->setColumnStretch(kBranches, 1);
    grid->addLayout(boxes, row + 1, 0, 1, 3);
}

QCheckBox* TFrameConfQEL880IRR::CheckBox(const QString& name, int caption, QWidget* parent, int number) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    captions_.push_back({box, caption, number});
    connect(box, &QCheckBox::clicked, this, [this] {
        if (isVisible())
            background_->setFocus();
        CommitControls();
    });
    return box;
}

TRadioGroup* TFrameConfQEL880IRR::Group(TGroupId id, const char* name, int columns, QWidget* parent) {
    auto* group = new TRadioGroup(name, columns, parent);
    connect(group, &TRadioGroup::itemClicked, this, [this] {
        if (isVisible())
            background_->setFocus();
        CommitControls();
    });
    groups_[id] = group;
    return group;
}

QWidget* TFrameConfQEL880IRR::BuildCycle() {
    auto* gb = new QGroupBox(background_);
    gb->setObjectName("gbCiclo");
    captions_.push_back({gb, CycleGroup, 0});
    auto* grid = new QGridLayout(gb);
    cbCiclo_ = new QComboBox(gb);
    cbCiclo_->setObjectName("cbCiclo");
    for (int c = 1; c <= kCycles; ++c)
        cbCiclo_->addItem(QString::number(c));
    connect(cbCiclo_, &QComboBox::activated, this, [this](int index) {
        SelectCycle(index);
        FillControls();
    });
    grid->addWidget(cbCiclo_, 0, 0);

    edInicioH_ = Edit("edInicioH", 40, gb);
    edInicioM_ = Edit("edInicioM", 40, gb);
    commitFilter_->Watch(edInicioH_);
    commitFilter_->Watch(edInicioM_);
    auto* start = new QHBoxLayout;
    start->addWidget(edInicioH_);
    QLabel* colon = Label("lblDoisPontos", -1, gb);
    colon->setText(":");
    start->addWidget(colon);
    start->addWidget(edInicioM_);
    start->addStretch();
    grid->addWidget(Label("lblInicio", Start, gb), 1, 0);
    grid->addLayout(start, 1, 1, 1, 2);
    FieldRow(grid, 2, DurationField, "lblDuracao", Duration, "min");

    auto* branches = new QVBoxLayout;
    for (int i = 0; i < kBranches; ++i) {
        cbRamal_[static_cast<std::size_t>(i)] =
            CheckBox(QStringLiteral("cbRamal%1").arg(i + 1), Branch, gb, i + 1);
        branches->addWidget(cbRamal_[static_cast<std::size_t>(i)]);
    }
    grid->addLayout(branches, 3, 0, 1, 3);
    FieldRow(grid, 4, ConsumptionField, "lblHidrometroMax", MaxHydrometer, "L");
    checks_[BlockCheck] = CheckBox("cbBloquearConsumo", BlockIfExceeded, gb);
    grid->addWidget(checks_[BlockCheck], 5, 0, 1, 3);
    RunRows(grid, 6, DelayField, "lblAtrasoRamal", BranchDelay);
    return gb;
}

QWidget* TFrameConfQEL880IRR::BuildPump() {
    auto* gb = new QGroupBox(background_);
    gb->setObjectName("gbBomba");
    captions_.push_back({gb, PumpGroup, 0});
    auto* grid = new QGridLayout(gb);
    grid->addWidget(Group(SensorGroup, "rgSensor", 1, gb), 0, 0, 1, 3);
    FieldRow(grid, 1, FullScaleField, "lblPressaoFundoEscala", FullScale, "BAR");
    FieldRow(grid, 2, MaxPressureField, "lblPressaoMaxima", MaxPressure, "BAR");
    FieldRow(grid, 3, MinPressureField, "lblPressaoMinima", MinPressure, "BAR");
    FieldRow(grid, 4, TimerMaxField, "lblTimerPressaoMaxima", TimerMaxPressure, "s");
    FieldRow(grid, 5, TimerMinField, "lblTimerPressaoMinima", TimerMinPressure, "s");
    checks_[BuzzerCheck] = CheckBox("cbBuzzerHabilita", EnableBuzzer, gb);
    grid->addWidget(checks_[BuzzerCheck], 6, 0, 1, 3);
    return gb;
}

QWidget* TFrameConfQEL880IRR::BuildSensors() {
    auto* gb = new QGroupBox(background_);
    gb->setObjectName("gbSensors");
    captions_.push_back({gb, SensorsGroup, 0});
    auto* grid = new QGridLayout(gb);
    grid->addWidget(Group(ModeGroup, "rgModo", 2, gb), 0, 0, 1, 3);
    checks_[HydrometerCheck] = CheckBox("cbHidrometroHabilita", EnableHydrometer, gb);
    grid->addWidget(checks_[HydrometerCheck], 1, 0, 1, 3);
    const auto hydrometer =
        FieldRow(grid, 2, HydrometerFactorField, "lblHidrometroFator", HydrometerFactor, {});
    captions_.push_back({hydrometer[2], LitresPerPulse, 0});
    checks_[PluviometerCheck] = CheckBox("cbPluviometroHabilita", EnablePluviometer, gb);
    grid->addWidget(checks_[PluviometerCheck], 3, 0, 1, 3);
    const auto rain = FieldRow(grid, 4, PluviometerFactorField, "lblPluviometroFator", PluviometerFactor, {});
    captions_.push_back({rain[2], MmPerPulse, 0});
    // Kept off the screen, but still filled and written back.
    for (QWidget* w : FieldRow(grid, 5, PluviometerMaxField, "lblPluviometroMaximo", MaxPluviometer, "mm/m2"))
        w->hide();
    FieldRow(grid, 6, PluviometerPeriodField, "lblPluviometroPeriodo", PluviometerPeriod, "h");
    checks_[Pt100Check] = CheckBox("cbPt100Habilita", EnablePt100, gb);
    grid->addWidget(checks_[Pt100Check], 7, 0, 1, 3);
    grid->addWidget(Group(WaterPresenceGroup, "rgPresencaAgua", 2, gb), 8, 0, 1, 3);
    grid->addWidget(Group(PressureSwitchGroup, "rgPressostato", 2, gb), 9, 0, 1, 3);
    RunRows(grid, 10, PluviometerBranchField, "lblPluvMaxRamal", MaxPluviometerBranch, "mm/m2");
    return gb;
}

QWidget* TFrameConfQEL880IRR::BuildGeneral() {
    auto* gb = new QGroupBox(background_);
    gb->setObjectName("gbGeral");
    captions_.push_back({gb, GeneralGroup, 0});
    auto* grid = new QGridLayout(gb);
    grid->addWidget(Group(ValvesGroup, "rgRamosHabilita", 1, gb), 0, 0, 1, 3);
    FieldRow(grid, 1, ManualDurationField, "lblManualDuracao", ManualDuration, "min");
    return gb;
}

void TFrameConfQEL880IRR::SelectCycle(int index) {
    cycle_ = std::clamp(index, 0, kCycles - 1);
}

void TFrameConfQEL880IRR::ShowScreen(int language) {
    SelectCycle(0);
    cbCiclo_->setCurrentIndex(0);
    TScreen::ShowScreen(language);
}

void TFrameConfQEL880IRR::Retranslate() {
    for (const TCaption& caption : captions_) {
        QString text = FrameConfQEL880IRRTexts::Text(static_cast<TId>(caption.id), Language());
        if (caption.number > 0)
            text = text.arg(caption.number);
        if (auto* label = qobject_cast<QLabel*>(caption.widget))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(caption.widget))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(caption.widget))
            group->setTitle(text);
    }
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        groups_[g]->setTitle(FrameConfQEL880IRRTexts::Text(kGroups[g].title, Language()));
        groups_[g]->SetItems({FrameConfQEL880IRRTexts::Text(kGroups[g].items[0], Language()),
                              FrameConfQEL880IRRTexts::Text(kGroups[g].items[1], Language())});
    }
}

void TFrameConfQEL880IRR::QueueReads(TReadBatch& batch) {
    batch.Add(kCycleStart, kCycles).Add(11, kCycles).Add(kCycleBranches, kCycles).Add(31, 2);
    batch.Add(101, 6).Add(201, 15).Add(40, kRunLength).Add(220, kRunLength);
}

int TFrameConfQEL880IRR::Register(TFieldId field, int box) const {
    const TField& f = kFields[field];
    return f.reg + box + (f.perCycle ? cycle_ : 0);
}

void TFrameConfQEL880IRR::Fill() {
    if (!Session().IsConnected())
        return;
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    // Every box shows the device, the one being typed in too.
    const int start = v(kCycleStart + cycle_);
    edInicioH_->setText(QString::asprintf("%.2d", start / 60));
    edInicioM_->setText(QString::asprintf("%.2d", start % 60));
    for (int f = 0; f < FieldCount; ++f) {
        const auto field = static_cast<TFieldId>(f);
        const int boxes = kFields[field].run ? kBranches : 1;
        for (int i = 0; i < boxes; ++i)
            edits_[field][static_cast<std::size_t>(i)]->setText(
                FieldText(kFields[field], v(Register(field, i))));
    }
    const int branches = v(kCycleBranches + cycle_);
    for (int i = 0; i < kBranches; ++i)
        cbRamal_[static_cast<std::size_t>(i)]->setChecked((branches & (1 << i)) != 0);
    for (std::size_t k = 0; k < checks_.size(); ++k)
        checks_[k]->setChecked(v(kCheckRegisters[k]) != 0);
    // A value the group has no item for selects nothing and is not written back.
    for (std::size_t g = 0; g < groups_.size(); ++g) {
        const int value = v(kGroups[g].reg);
        groups_[g]->SetValue(value < groups_[g]->Count() ? value : -1);
    }
}

void TFrameConfQEL880IRR::CommitStart(TCommitBatch& batch) {
    const QString invalid = FrameConfQEL880IRRTexts::Text(InvalidValue, Language());
    const auto hours = NumberRules::ParseInteger(edInicioH_->text().toStdString());
    if (!hours || !NumberRules::InRange(*hours, 0, 23)) {
        batch.Invalid(invalid + edInicioH_->text());
        return;
    }
    const auto minutes = NumberRules::ParseInteger(edInicioM_->text().toStdString());
    if (!minutes || !NumberRules::InRange(*minutes, 0, 59)) {
        batch.Invalid(invalid + edInicioM_->text());
        return;
    }
    batch.Write(kCycleStart + cycle_, *hours * 60 + *minutes);
}

void TFrameConfQEL880IRR::CommitFields(TCommitBatch& batch) {
    const QString invalid = FrameConfQEL880IRRTexts::Text(InvalidValue, Language());
    for (int f = 0; f < FieldCount; ++f) {
        const auto field = static_cast<TFieldId>(f);
        const TField& table = kFields[field];
        if (!table.run) {
            QLineEdit* box = edits_[field][0];
            if (const auto value = FieldValue(table, box->text()))
                batch.Write(Register(field, 0), *value);
            else
                batch.Invalid(invalid + box->text());
            continue;
        }
        // A run starts from the image, so that a refused box and the register after the last box keep
        // what the device holds.
        std::array<int, kRunLength> run{};
        for (int i = 0; i < kRunLength; ++i)
            run[static_cast<std::size_t>(i)] = Session().FetchRegister(Register(field, i));
        for (int i = 0; i < kBranches; ++i) {
            QLineEdit* box = edits_[field][static_cast<std::size_t>(i)];
            if (const auto value = FieldValue(table, box->text()))
                run[static_cast<std::size_t>(i)] = *value;
            else
                batch.Invalid(invalid + box->text());
        }
        batch.Write(Register(field, 0), run);
    }
}

void TFrameConfQEL880IRR::CommitChoices(TCommitBatch& batch) {
    // Bits past the five branches are not the screen's to clear.
    const int device = Session().FetchRegister(kCycleBranches + cycle_);
    int branches = device & ~kBranchBits;
    for (int i = 0; i < kBranches; ++i)
        if (cbRamal_[static_cast<std::size_t>(i)]->isChecked())
            branches |= 1 << i;
    batch.Write(kCycleBranches + cycle_, branches);
    for (std::size_t k = 0; k < checks_.size(); ++k)
        batch.Write(kCheckRegisters[k],
                    TwoValued(checks_[k]->isChecked(), Session().FetchRegister(kCheckRegisters[k])));
    for (std::size_t g = 0; g < groups_.size(); ++g)
        if (const auto index = groups_[g]->ChosenIndex())
            batch.Write(kGroups[g].reg, *index);
}

void TFrameConfQEL880IRR::Commit() {
    pausedCommit_.Run();
}

void TFrameConfQEL880IRR::CommitOnce() {
    TCommitBatch batch(Session(), Prompts(), this, FrameConfQEL880IRRTexts::Text(ErrorSending, Language()));
    CommitStart(batch);
    CommitFields(batch);
    CommitChoices(batch);
    batch.Finish();
}
