#include "ui/thermal/FrameConfSetPoints.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/FieldRule.h"
#include "model/NumberRules.h"
#include "model/ThermalFitted.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/thermal/FrameConfSetPointsTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using namespace FrameConfSetPointsTexts;
using Widgets::SetCell;

constexpr int kRelays = 8;
constexpr int kColumns = 10;
constexpr int kChannelColumn = 4;
constexpr int kDelayColumn = 3;
constexpr int kDeltaT = 202;
constexpr int kNominalCurrent = 205;
constexpr int kAlternation = 208;
constexpr int kTimeConstant = 209;
constexpr int kParameterM = 210;
constexpr int kCoolingStart = 212;
constexpr int kCoolingDuration = 213;
constexpr int kMaxDifference = 215;
constexpr int kActiveRtds = 1002;
constexpr int kRedundant = 1004; // RTD r at 1003 + r

// The register of a grid cell: column c of relay n.
constexpr int CellRegister(int row, int column) {
    return 20 * (column - 1) + row;
}

constexpr bool IsListColumn(int column) {
    return column == kChannelColumn || column == 5 || column == 6 || column == 9;
}

std::string Std(const QString& text) {
    return text.toStdString();
}

// Tenths of a decimal typed within low..high tenths, or typed as zero (to the thousandth) when allowed.
std::optional<int> Tenths(const QString& text, int low, int high, bool zeroToo = false) {
    if (zeroToo && TFieldRule{1, -10, 10}.Parse(Std(text)))
        return 0;
    return TFieldRule{1, low * 1000, high * 1000}.Parse(Std(text));
}

std::optional<int> Integer(const QString& text, int low, int high) {
    const auto value = NumberRules::ParseInteger(Std(text));
    return value && NumberRules::InRange(*value, low, high) ? value : std::nullopt;
}

// A two-valued setting reads any non-zero value as its second item: writing that item back keeps
// the device's own value, so a commit changes only what the user changed.
int TwoValued(int position, int device) {
    return position == (device != 0 ? 1 : 0) ? device : position;
}

QString Tenth(int value) {
    return QString::fromStdString(NumberRules::FormatScaled(value, 1));
}

QLineEdit* Edit(const QString& name, int width, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(width);
    return box;
}

QLabel* Label(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

} // namespace

TFrameConfSetPoints::TFrameConfSetPoints(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)) {
    setObjectName("FrameConfSetPoints");
    auto* layout = new QVBoxLayout(background_);
    std::vector<int> widths(kColumns, 80);
    widths[0] = 45;
    sgSetPoints_ = Widgets::Grid("sgSetPoints", kRelays + 1, kColumns, widths, background_);
    Widgets::ShadeHeadings(sgSetPoints_);
    for (int n = 1; n <= kRelays; ++n)
        SetCell(sgSetPoints_, n, 0, QString::number(n));
    connect(sgSetPoints_, &QTableWidget::cellPressed, this, &TFrameConfSetPoints::sgSetPointsMouseDown);
    layout->addWidget(sgSetPoints_);

    edVal_ = new QLineEdit(sgSetPoints_->viewport());
    edVal_->setObjectName("edVal");
    edVal_->setStyleSheet("QLineEdit { background: #80FF80; color: black; }");
    edVal_->setAlignment(Qt::AlignCenter);
    edVal_->hide();
    edVal_->installEventFilter(this);
    cbVal_ = new QComboBox(sgSetPoints_->viewport());
    cbVal_->setObjectName("cbVal");
    cbVal_->hide();
    cbVal_->installEventFilter(this);
    connect(cbVal_, &QComboBox::activated, this, &TFrameConfSetPoints::cbValSelect);

    auto* groups = new QHBoxLayout;
    groups->addWidget(BuildDailyCooling(), 0, Qt::AlignTop);
    groups->addWidget(BuildConfiguration(), 0, Qt::AlignTop);
    groups->addWidget(BuildCalculation(), 0, Qt::AlignTop);
    groups->addStretch();
    layout->addLayout(groups);
    layout->addStretch();
    ApplyLanguage(0);
}

QWidget* TFrameConfSetPoints::BuildDailyCooling() {
    gbResfriamentoDiario_ = new QGroupBox(background_);
    gbResfriamentoDiario_->setObjectName("gbResfriamentoDiario");
    auto* grid = new QGridLayout(gbResfriamentoDiario_);
    lblInicio_ = Label("lblInicio", gbResfriamentoDiario_);
    edInicioH_ = Edit("edInicioH", 40, gbResfriamentoDiario_);
    edInicioM_ = Edit("edInicioM", 40, gbResfriamentoDiario_);
    auto* time = new QHBoxLayout;
    time->addWidget(edInicioH_);
    time->addWidget(new QLabel(":", gbResfriamentoDiario_));
    time->addWidget(edInicioM_);
    time->addStretch();
    lblDuracao_ = Label("lblDuracao", gbResfriamentoDiario_);
    edDuracao_ = Edit("edDuracao", 60, gbResfriamentoDiario_);
    grid->addWidget(lblInicio_, 0, 0);
    grid->addLayout(time, 1, 0);
    grid->addWidget(lblDuracao_, 2, 0);
    grid->addWidget(edDuracao_, 3, 0);
    for (QLineEdit* box : {edInicioH_, edInicioM_, edDuracao_})
        commitFilter_->Watch(box);
    return gbResfriamentoDiario_;
}

QWidget* TFrameConfSetPoints::BuildConfiguration() {
    gbConfig_ = new QGroupBox(background_);
    gbConfig_->setObjectName("gbConfig");
    auto* column = new QVBoxLayout(gbConfig_);
    lblReleAlternado_ = Label("lblReleAlternado", gbConfig_);
    cbReleAlternado_ = new QComboBox(gbConfig_);
    cbReleAlternado_->setObjectName("cbReleAlternado");
    column->addWidget(lblReleAlternado_);
    column->addWidget(cbReleAlternado_);
    rgNumRtd_ = new TRadioGroup("rgNumRtd", 3, gbConfig_);
    column->addWidget(rgNumRtd_);
    gbRedundante_ = new QGroupBox(gbConfig_);
    gbRedundante_->setObjectName("gbRedundante");
    auto* redundant = new QGridLayout(gbRedundante_);
    for (int r = 2; r <= 6; ++r) {
        auto* box = new QCheckBox(QStringLiteral("RTD%1").arg(r), gbRedundante_);
        box->setObjectName(QStringLiteral("cbRedundante%1").arg(r));
        redundant->addWidget(box, (r - 2) / 3, (r - 2) % 3);
        cbRedundante_[static_cast<std::size_t>(r - 2)] = box;
        connect(box, &QCheckBox::clicked, this, [this] {
            if (isVisible())
                background_->setFocus();
            CommitControls();
        });
    }
    lblMaxDifTemp_ = Label("lblMaxDifTemp", gbRedundante_);
    edMaxDifTemp_ = Edit("edMaxDifTemp", 60, gbRedundante_);
    commitFilter_->Watch(edMaxDifTemp_);
    redundant->addWidget(lblMaxDifTemp_, 2, 0, 1, 3);
    redundant->addWidget(edMaxDifTemp_, 3, 0);
    column->addWidget(gbRedundante_);
    const auto rgModoRedundanteClick = [this] {
        if (isVisible())
            background_->setFocus();
        CommitControls();
    };
    connect(cbReleAlternado_, &QComboBox::activated, this, rgModoRedundanteClick);
    connect(rgNumRtd_, &TRadioGroup::itemClicked, this, rgModoRedundanteClick);
    return gbConfig_;
}

QWidget* TFrameConfSetPoints::BuildCalculation() {
    gbCalc_ = new QGroupBox(background_);
    gbCalc_->setObjectName("gbCalc");
    auto* grid = new QGridLayout(gbCalc_);
    lblCorrNom_ = Label("lblCorrNom", gbCalc_);
    lblDeltaT_ = Label("lblDeltaT", gbCalc_);
    lblConstT_ = Label("lblConstT", gbCalc_);
    lblM_ = Label("lblM", gbCalc_);
    grid->addWidget(lblCorrNom_, 1, 0);
    grid->addWidget(lblDeltaT_, 2, 0);
    for (int k = 1; k <= 3; ++k) {
        auto* heading = new QLabel(QString::number(k), gbCalc_);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, k);
        auto& current = edCalcCorrNom_[static_cast<std::size_t>(k - 1)];
        auto& delta = edCalcDeltaT_[static_cast<std::size_t>(k - 1)];
        current = Edit(QStringLiteral("edCalcCorrNom%1").arg(k), 60, gbCalc_);
        delta = Edit(QStringLiteral("edCalcDeltaT%1").arg(k), 60, gbCalc_);
        grid->addWidget(current, 1, k);
        grid->addWidget(delta, 2, k);
        commitFilter_->Watch(current);
        commitFilter_->Watch(delta);
    }
    edCalcConstT_ = Edit("edCalcConstT", 60, gbCalc_);
    edCalcM_ = Edit("edCalcM", 60, gbCalc_);
    grid->addWidget(lblConstT_, 3, 0);
    grid->addWidget(edCalcConstT_, 3, 1);
    grid->addWidget(lblM_, 4, 0);
    grid->addWidget(edCalcM_, 4, 1);
    commitFilter_->Watch(edCalcConstT_);
    commitFilter_->Watch(edCalcM_);
    return gbCalc_;
}

QString TFrameConfSetPoints::Text(int id) const {
    return FrameConfSetPointsTexts::Text(static_cast<TId>(id), Language());
}

void TFrameConfSetPoints::Retranslate() {
    CloseEditors();
    const TId heads[kColumns] = {
        HeadRelay, HeadRtdSetPoint,     HeadRtdHysteresis,     HeadDelay,   HeadChannel, HeadForce,
        HeadLogic, HeadCurrentSetPoint, HeadCurrentHysteresis, HeadFunction};
    for (int c = 0; c < kColumns; ++c)
        SetCell(sgSetPoints_, 0, c, Text(heads[c]));
    gbResfriamentoDiario_->setTitle(Text(DailyCooling));
    lblInicio_->setText(Text(StartTime));
    lblDuracao_->setText(Text(Duration));
    gbConfig_->setTitle(Text(Configuration));
    lblReleAlternado_->setText(Text(Alternation));
    const QStringList alternation{Text(AlternationOff), Text(Alternation56), Text(Alternation78),
                                  Text(AlternationBoth)};
    while (cbReleAlternado_->count() < alternation.size())
        cbReleAlternado_->addItem({});
    for (int i = 0; i < alternation.size(); ++i)
        cbReleAlternado_->setItemText(i, alternation[i]);
    rgNumRtd_->setTitle(Text(ActiveRtds));
    gbRedundante_->setTitle(Text(RedundantRtds));
    lblMaxDifTemp_->setText(Text(MaxDifference));
    gbCalc_->setTitle(Text(Calculation));
    lblCorrNom_->setText(Text(NominalCurrent));
    lblDeltaT_->setText(Text(DeltaT));
    lblConstT_->setText(Text(TimeConstant));
    lblM_->setText(Text(ParameterM));
    // The list cells are names: shown again in the new language.
    if (Session().IsConnected())
        FillControls();
    Widgets::FitColumns(sgSetPoints_);
}

QStringList TFrameConfSetPoints::ColumnNames(int column) const {
    switch (column) {
    case kChannelColumn: {
        QStringList names{Text(Oil)};
        for (int k = 1; k <= 3; ++k)
            names << Text(Winding).arg(k);
        for (int r = 2; r <= 6; ++r)
            names << QStringLiteral("RTD %1").arg(r);
        return names;
    }
    case 5:
        return {Text(NotForced), Text(Forced)};
    case 6:
        return {Text(NormalLogic), Text(InverseLogic)};
    case 9:
        return {Text(Alarm), Text(Cooling)};
    default:
        return {};
    }
}

QStringList TFrameConfSetPoints::ChannelChoices() const {
    const QStringList names = ColumnNames(kChannelColumn);
    QStringList choices{names[0]};
    const int windings = ThermalFitted::Windings(Session().Image());
    for (int k = 1; k <= windings; ++k)
        choices << names[k];
    const int rtds = ThermalFitted::ActiveRtds(Session().Image());
    for (int r = 2; r <= rtds; ++r)
        choices << names[r + 2];
    return choices;
}

void TFrameConfSetPoints::QueueReads(TReadBatch& batch) {
    for (int first = 1; first <= 161; first += 20)
        batch.Add(first, kRelays);
    batch.Add(kCoolingStart).Add(kCoolingDuration).Add(kRedundant, 6).Add(kAlternation).Add(kMaxDifference);
    batch.Add(kActiveRtds).Add(kNominalCurrent, 3).Add(kDeltaT, 3).Add(kTimeConstant).Add(kParameterM);
}

void TFrameConfSetPoints::FillGrid() {
    for (int n = 1; n <= kRelays; ++n) {
        for (int c = 1; c < kColumns; ++c) {
            const int v = Session().FetchRegister(CellRegister(n, c));
            QString text;
            if (c == kDelayColumn) {
                text = Tenth(v);
            } else if (c == kChannelColumn) {
                const QStringList names = ColumnNames(c);
                text = v >= 0 && v < names.size() ? names[v] : Text(InvalidValue);
            } else if (IsListColumn(c)) {
                text = ColumnNames(c)[v != 0 ? 1 : 0];
            } else {
                text = QString::number(v);
            }
            SetCell(sgSetPoints_, n, c, text);
        }
    }
    Widgets::FitColumns(sgSetPoints_);
}

void TFrameConfSetPoints::Fill() {
    if (!Session().IsConnected())
        return;
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    FillGrid();
    const auto set = [](QLineEdit* box, const QString& text) {
        if (!box->hasFocus())
            box->setText(text);
    };
    set(edInicioH_, QString::number(v(kCoolingStart) / 60));
    set(edInicioM_, QString::number(v(kCoolingStart) % 60));
    set(edDuracao_, QString::number(v(kCoolingDuration)));
    set(edMaxDifTemp_, QString::number(v(kMaxDifference)));
    for (int k = 0; k < 3; ++k) {
        set(edCalcCorrNom_[static_cast<std::size_t>(k)], Tenth(v(kNominalCurrent + k)));
        set(edCalcDeltaT_[static_cast<std::size_t>(k)], QString::number(v(kDeltaT + k)));
    }
    set(edCalcConstT_, Tenth(v(kTimeConstant)));
    set(edCalcM_, Tenth(v(kParameterM)));

    // A value the list has no item for selects nothing, so it is not written back.
    const int alternation = v(kAlternation);
    cbReleAlternado_->setCurrentIndex(
        alternation >= 0 && alternation < cbReleAlternado_->count() ? alternation : -1);
    QStringList rtdItems;
    for (int r = 1; r <= ThermalFitted::Rtds(Session().Image()); ++r)
        rtdItems << QString::number(r);
    rgNumRtd_->SetItems(rtdItems);
    const int active = v(kActiveRtds);
    rgNumRtd_->SetValue(NumberRules::InRange(active, 1, 6) ? active - 1 : -1);
    const int shown = ThermalFitted::ActiveRtds(Session().Image());
    gbRedundante_->setVisible(shown > 1);
    for (int r = 2; r <= 6; ++r) {
        QCheckBox* box = cbRedundante_[static_cast<std::size_t>(r - 2)];
        box->setChecked(v(kRedundant - 1 + r) != 0);
        box->setVisible(r <= shown);
    }
    lblMaxDifTemp_->setEnabled(true);
    edMaxDifTemp_->setEnabled(true);
    sgSetPoints_->viewport()->update();
}

void TFrameConfSetPoints::sgSetPointsMouseDown(int row, int column) {
    if (row < 1 || column < 1 || !Session().IsConnected())
        return;
    // The grid never takes the focus: an edit still open is committed before the next one opens.
    if (editing_ && edVal_->isVisible())
        edValExit();
    CloseEditors();
    editing_ = {row, column};
    const QRect cell = sgSetPoints_->visualItemRect(sgSetPoints_->item(row, column));
    const QString text = sgSetPoints_->item(row, column)->text();
    if (IsListColumn(column)) {
        const QStringList choices = column == kChannelColumn ? ChannelChoices() : ColumnNames(column);
        cbVal_->clear();
        cbVal_->addItems(choices);
        cbVal_->setMaxVisibleItems(static_cast<int>(choices.size()));
        cbVal_->setCurrentIndex(static_cast<int>(choices.indexOf(text)));
        cbVal_->setGeometry(cell.x(), cell.y(), std::max(cell.width(), cbVal_->sizeHint().width()),
                            std::max(cell.height(), cbVal_->sizeHint().height()));
        cbVal_->show();
        cbVal_->setFocus();
    } else {
        const auto tenths = NumberRules::ParseScaled(Std(text), 1);
        const auto whole = NumberRules::ParseScaled(Std(text), 0);
        QString preload = "0";
        if (tenths && whole)
            preload = column == kDelayColumn ? Tenth(*tenths) : QString::number(*whole);
        edVal_->setText(preload);
        edVal_->setGeometry(cell);
        edVal_->show();
        edVal_->setFocus();
        edVal_->selectAll();
    }
    sgSetPoints_->viewport()->update();
}

bool TFrameConfSetPoints::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edVal_ && watched != cbVal_)
        return TScreen::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            CloseEditors();
            background_->setFocus();
            return true;
        }
        if (watched == edVal_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            background_->setFocus(); // leaving the box commits it
            return true;
        }
    }
    // A hidden editor may keep the focus until the next one takes it: that is not leaving it.
    if (event->type() == QEvent::FocusOut && static_cast<QWidget*>(watched)->isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == edVal_)
                edValExit();
            else
                CloseEditors();
        }
    }
    return TScreen::eventFilter(watched, event);
}

void TFrameConfSetPoints::CloseEditors() {
    // Cleared first: hiding the box that has the focus makes it lose it.
    editing_.reset();
    edVal_->hide();
    cbVal_->hide();
}

void TFrameConfSetPoints::edValExit() {
    if (!editing_ || IsListColumn(editing_->second))
        return;
    const auto [row, column] = *editing_;
    const QString typed = edVal_->text();
    std::optional<int> value;
    QString text;
    TId error = ErrorSetPoint;
    switch (column) {
    case 1:
        value = Integer(typed, 0, 255);
        break;
    case 2:
    case 8:
        value = Integer(typed, 1, 255);
        error = ErrorHysteresis;
        break;
    case kDelayColumn:
        value = Tenths(typed, 1, 255);
        error = ErrorDelay;
        break;
    default:
        value = Integer(typed, 0, 150);
        error = ErrorCurrentSetPoint;
        break;
    }
    CloseEditors();
    if (!value) {
        Prompts().Error(this, Text(error));
        return;
    }
    SetCell(sgSetPoints_, row, column, column == kDelayColumn ? Tenth(*value) : QString::number(*value));
    background_->setFocus();
    CommitControls();
}

void TFrameConfSetPoints::cbValSelect(int index) {
    if (!editing_)
        return;
    const auto [row, column] = *editing_;
    const QString text = cbVal_->itemText(index);
    CloseEditors();
    SetCell(sgSetPoints_, row, column, text);
    background_->setFocus();
    CommitControls();
}

void TFrameConfSetPoints::CommitGrid(TCommitBatch& batch) {
    // The cells were checked when edited; a text that is not a number or a name is skipped.
    for (int n = 1; n <= kRelays; ++n) {
        for (int c = 1; c < kColumns; ++c) {
            const QString text = sgSetPoints_->item(n, c)->text();
            const int reg = CellRegister(n, c);
            std::optional<int> value;
            if (IsListColumn(c)) {
                const auto position = static_cast<int>(ColumnNames(c).indexOf(text));
                if (position >= 0)
                    value =
                        c == kChannelColumn ? position : TwoValued(position, Session().FetchRegister(reg));
            } else {
                value = NumberRules::ParseScaled(Std(text), c == kDelayColumn ? 1 : 0);
            }
            if (value)
                batch.Write(reg, *value);
        }
    }
}

void TFrameConfSetPoints::CommitBoxes(TCommitBatch& batch) {
    const auto hour = Integer(edInicioH_->text(), 0, 23);
    const auto minute = Integer(edInicioM_->text(), 0, 59);
    if (hour && minute)
        batch.Write(kCoolingStart, *hour * 60 + *minute);
    else
        batch.Invalid(Text(ErrorStartTime));
    if (const auto duration = Integer(edDuracao_->text(), 0, 999))
        batch.Write(kCoolingDuration, *duration);
    else
        batch.Invalid(Text(ErrorDuration));
    if (const auto difference = Integer(edMaxDifTemp_->text(), 1, 200))
        batch.Write(kMaxDifference, *difference);
    else
        batch.Invalid(Text(ErrorMaxDifference));
    for (int k = 0; k < 3; ++k) {
        if (const auto current = Tenths(edCalcCorrNom_[static_cast<std::size_t>(k)]->text(), 2, 50))
            batch.Write(kNominalCurrent + k, *current);
        else
            batch.Invalid(Text(ErrorNominalCurrent));
    }
    for (int k = 0; k < 3; ++k) {
        if (const auto delta = Integer(edCalcDeltaT_[static_cast<std::size_t>(k)]->text(), 0, 99))
            batch.Write(kDeltaT + k, *delta);
        else
            batch.Invalid(Text(ErrorDeltaT));
    }
    if (const auto constant = Tenths(edCalcConstT_->text(), 30, 200, true))
        batch.Write(kTimeConstant, *constant);
    else
        batch.Invalid(Text(ErrorTimeConstant));
    if (const auto m = Tenths(edCalcM_->text(), 5, 10, true))
        batch.Write(kParameterM, *m);
    else
        batch.Invalid(Text(ErrorParameterM));
}

void TFrameConfSetPoints::CommitRtds(TCommitBatch& batch) {
    if (const auto index = rgNumRtd_->ChosenIndex())
        batch.Write(kActiveRtds, *index + 1);
    std::array<int, 5> redundant{};
    for (int r = 2; r <= 6; ++r) {
        const int device = Session().FetchRegister(kRedundant - 1 + r);
        const int position = cbRedundante_[static_cast<std::size_t>(r - 2)]->isChecked() ? 1 : 0;
        redundant[static_cast<std::size_t>(r - 2)] = TwoValued(position, device);
    }
    batch.Write(kRedundant + 1, redundant);
}

void TFrameConfSetPoints::Commit() {
    TCommitBatch batch(Session(), Prompts(), this, Text(ErrorSending));
    CommitGrid(batch);
    CommitBoxes(batch);
    const int alternation = cbReleAlternado_->currentIndex();
    if (alternation >= 0)
        batch.Write(kAlternation, alternation);
    CommitRtds(batch);
    const bool written = batch.Finish();
    FillControls();
    const int after = cbReleAlternado_->currentIndex();
    if (!written && alternation >= 0 && after >= 0 && alternation != after)
        Prompts().Warning(this, Text(AlternationFailed) + "\n" + Text(AlternationCheck));
}
