#include "ui/service/FormCalibCorrente.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/NumberRules.h"
#include "persistence/CalibrationRecord.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/Language.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/service/FormCalibCorrenteTexts.h"
#include "ui/service/GridCellEditor.h"
#include "ui/service/ServiceNumbers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using namespace FormCalibCorrenteTexts;

constexpr int kMaxPoints = 20;
constexpr int kForcedCurrent = 2101;
constexpr int kRowHeight = 20;
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);

QString Milliamperes(double value) {
    return QString::asprintf("%.3f mA", value);
}

} // namespace

TFormCalibCorrente::TFormCalibCorrente(const TScreenContext& context, int language, QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)),
      pnBack_(Widgets::DialogBackground(this)), commitFilter_(new TCommitFilter(
                                                    pnBack_, [this] { edNumPontosExit(); }, this)) {
    setObjectName("FormCalibCorrente");
    auto* layout = new QVBoxLayout(pnBack_);
    layout->addWidget(BuildSelection(pnBack_));
    sgValores_ = new QTableWidget(0, 2, pnBack_);
    sgValores_->setObjectName("sgValores");
    sgValores_->horizontalHeader()->hide();
    sgValores_->verticalHeader()->hide();
    sgValores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgValores_->setSelectionMode(QAbstractItemView::NoSelection);
    sgValores_->setFocusPolicy(Qt::NoFocus);
    sgValores_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgValores_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgValores_->setFixedHeight((kMaxPoints + 1) * kRowHeight + 4);
    for (int c = 0; c < 2; ++c)
        sgValores_->setColumnWidth(c, 150);
    connect(sgValores_, &QTableWidget::cellPressed, this, &TFormCalibCorrente::sgValoresMouseDown);
    layout->addWidget(sgValores_, 0, Qt::AlignHCenter);
    editor_ = std::make_unique<TGridCellEditor>(
        sgValores_, pnBack_,
        [this](int row, int column, const QString& text) { return CommitCell(row, column, text); });
    connect(editor_.get(), &TGridCellEditor::closed, this, &TFormCalibCorrente::PaintRows);
    layout->addWidget(BuildResults(pnBack_));

    TReadBatch reads(Session());
    // The serial number names the record's file: read here so that the points go to this device's.
    reads.Add(2501, 2).Add(2510, 8).Add(2520, 8).Add(2620, 8).Add(2630, 8).Add(2660, 4);
    serialKnown_ = reads.Flush();
    ApplyLanguage(language);
    cbIndexSaida_->setCurrentIndex(0);
    rgEscala_->SetItemIndex(0);
    if (serialKnown_)
        context_.calibration.Load(Session().Image().SerialNumber());
    LoadGrid();
}

TFormCalibCorrente::~TFormCalibCorrente() {
    // The box may lose its focus as the dialog's children go: that is no commit.
    edNumPontos_->removeEventFilter(commitFilter_);
}

QWidget* TFormCalibCorrente::BuildSelection(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    lblIndexSaida_ = new QLabel(box);
    lblIndexSaida_->setObjectName("lblIndexSaida");
    cbIndexSaida_ = new QComboBox(box);
    cbIndexSaida_->setObjectName("cbIndexSaida");
    cbIndexSaida_->addItems({"1", "2", "3", "4"});
    connect(cbIndexSaida_, &QComboBox::activated, this, &TFormCalibCorrente::cbIndexSaidaChange);
    rgEscala_ = new TRadioGroup("rgEscala", 2, box);
    rgEscala_->SetItems({"0 - 32mA", "0 - 1.5mA"});
    connect(rgEscala_, &TRadioGroup::itemClicked, this, &TFormCalibCorrente::rgEscalaClick);
    lblNumPontos_ = new QLabel(box);
    lblNumPontos_->setObjectName("lblNumPontos");
    edNumPontos_ = new QLineEdit("2", box);
    edNumPontos_->setObjectName("edNumPontos");
    edNumPontos_->setMaximumWidth(50);
    commitFilter_->Watch(edNumPontos_);
    auto* output = new QHBoxLayout;
    output->addWidget(lblIndexSaida_);
    output->addWidget(cbIndexSaida_);
    output->addStretch();
    auto* points = new QHBoxLayout;
    points->addWidget(lblNumPontos_);
    points->addWidget(edNumPontos_);
    points->addStretch();
    grid->addLayout(output, 0, 0);
    grid->addLayout(points, 1, 0);
    grid->addWidget(rgEscala_, 0, 1, 2, 1);
    return box;
}

QWidget* TFormCalibCorrente::BuildResults(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    pnCalibAtual_ = Widgets::Panel("pnCalibAtual", box);
    column->addWidget(pnCalibAtual_);
    auto* fit = new QHBoxLayout;
    pnCoefAng_ = Widgets::Panel("pnCoefAng", box);
    pnCoefLin_ = Widgets::Panel("pnCoefLin", box);
    pnCorr_ = Widgets::Panel("pnCorr", box);
    for (QLabel* panel : {pnCoefAng_, pnCoefLin_, pnCorr_}) {
        panel->setMinimumWidth(110);
        fit->addWidget(panel);
    }
    column->addLayout(fit);
    auto* buttons = new QHBoxLayout;
    bbSalvarCalibracao_ = Widgets::Button("bbSalvarCalibracao", box);
    bbAceita_ = Widgets::Button("bbAceita", box);
    bbCancela_ = Widgets::Button("bbCancela", box);
    // Enter commits an edit box; it must not press a button as well.
    for (QPushButton* b : {bbSalvarCalibracao_, bbAceita_, bbCancela_})
        b->setAutoDefault(false);
    buttons->addWidget(bbSalvarCalibracao_);
    buttons->addStretch();
    buttons->addWidget(bbAceita_);
    buttons->addWidget(bbCancela_);
    column->addLayout(buttons);
    connect(bbSalvarCalibracao_, &QPushButton::clicked, this, &TFormCalibCorrente::bbSalvarCalibracaoClick);
    connect(bbAceita_, &QPushButton::clicked, this, &TFormCalibCorrente::bbAceitaClick);
    connect(bbCancela_, &QPushButton::clicked, this, [this] {
        editor_->Close();
        reject();
    });
    return box;
}

QString TFormCalibCorrente::Text(int id) const {
    return FormCalibCorrenteTexts::Text(static_cast<TId>(id), language_);
}

void TFormCalibCorrente::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Text(Caption));
    lblIndexSaida_->setText(Text(CurrentOutput));
    rgEscala_->setTitle(Text(OutputBoard));
    lblNumPontos_->setText(Text(NumberOfPoints));
    if (sgValores_->rowCount() == 0)
        SetRows(0);
    sgValores_->item(0, 0)->setText(Text(HeadDesired));
    sgValores_->item(0, 1)->setText(Text(HeadObtained));
    Widgets::FitColumns(sgValores_);
    bbSalvarCalibracao_->setText(Text(SaveCalibration));
    bbAceita_->setText(Text(Ok));
    bbCancela_->setText(Text(Cancel));
    ShowDeviceCalibration();
}

TCalibrationLine& TFormCalibCorrente::Line() const {
    auto& output = context_.calibration.currentOutputs[static_cast<std::size_t>(output_)];
    return board_ == 1 ? output.standard : output.lowRange;
}

int TFormCalibCorrente::GainRegister() const {
    return (board_ == 1 ? 2510 : 2620) + 2 * output_;
}

int TFormCalibCorrente::OffsetRegister() const {
    return (board_ == 1 ? 2520 : 2630) + 2 * output_;
}

float TFormCalibCorrente::DeviceFloat(int reg) const {
    return NumberRules::FloatFromWords(Session().FetchRegister(reg), Session().FetchRegister(reg + 1));
}

std::optional<double> TFormCalibCorrente::CellValue(int row, int column) const {
    QString text = sgValores_->item(row, column)->text();
    if (text.endsWith(" mA"))
        text.chop(3);
    return ServiceNumbers::Decimal(text);
}

void TFormCalibCorrente::SetRows(int points) {
    const int before = sgValores_->rowCount();
    sgValores_->setRowCount(points + 1);
    for (int r = before; r <= points; ++r) {
        sgValores_->setRowHeight(r, kRowHeight);
        for (int c = 0; c < 2; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setForeground(Qt::black);
            if (r == 0) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(kSilver);
            }
            sgValores_->setItem(r, c, item);
        }
    }
    PaintRows();
}

void TFormCalibCorrente::PaintRows() {
    const auto cell = editor_ ? editor_->Cell() : std::nullopt;
    for (int r = 1; r < sgValores_->rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            sgValores_->item(r, c)->setBackground(
                cell && cell->first == r ? kMoneyGreen : sgValores_->palette().base().color());
}

void TFormCalibCorrente::ShowDeviceCalibration() {
    pnCalibAtual_->setText(Text(Present) + "   " + Text(Gain) +
                           QString::asprintf("%.3f", DeviceFloat(GainRegister())) + "  " + Text(Offset) +
                           QString::asprintf("%.3f", DeviceFloat(OffsetRegister())));
}

void TFormCalibCorrente::LoadGrid() {
    editor_->Close();
    const TCalibrationLine& line = Line();
    const int points = std::clamp(line.points, 0, kMaxPoints);
    edNumPontos_->setText(QString::number(points));
    ShowDeviceCalibration();
    SetRows(std::max(points, 1));
    if (points == 0) {
        sgValores_->item(1, 0)->setText("12 mA");
        sgValores_->item(1, 1)->setText("12 mA");
    }
    for (int i = 0; i < points; ++i) {
        sgValores_->item(i + 1, 0)->setText(Milliamperes(line.y[static_cast<std::size_t>(i)]));
        sgValores_->item(i + 1, 1)->setText(Milliamperes(line.x[static_cast<std::size_t>(i)]));
    }
    // Another output's fit is never kept for this one.
    fit_ = {};
    Fit();
}

void TFormCalibCorrente::Fit() {
    std::vector<std::pair<double, double>> points;
    for (int r = 1; r < sgValores_->rowCount(); ++r) {
        const auto desired = CellValue(r, 0);
        const auto obtained = CellValue(r, 1);
        if (desired && obtained)
            points.emplace_back(*obtained, *desired);
    }
    fit_ = TLineFit::Of(points, fit_);
    pnCoefAng_->setText(QString::asprintf("a = %.4f", fit_.a));
    pnCoefLin_->setText(QString::asprintf("b = %.4f", fit_.b));
    pnCorr_->setText(QString::asprintf("corr = %.5f %%", fit_.c));
}

void TFormCalibCorrente::sgValoresMouseDown(int row, int column) {
    if (row < 1 || row >= sgValores_->rowCount() || column < 0 || column > 1 || busy_)
        return;
    // The grid never takes the focus: an edit still open is committed before the next one opens.
    if (!editor_->Leave())
        return;
    const auto value = CellValue(row, column);
    editor_->Open(row, column, value ? QString::asprintf("%.4f", *value) : "0.0000");
    PaintRows();
    QString desired = sgValores_->item(row, 0)->text();
    if (desired.endsWith(" mA"))
        desired.chop(3);
    Drive(desired);
}

bool TFormCalibCorrente::CommitCell(int row, int column, const QString& text) {
    const auto value = ServiceNumbers::Decimal(text);
    if (!value) {
        context_.prompts.Error(this, Text(ErrorNumeric));
        return false;
    }
    const double highest = column == 0 && board_ == 2 ? 1.5 : 32;
    if (*value < 0 || *value > highest) {
        context_.prompts.Error(this, Text(ErrorCurrent));
        return false;
    }
    sgValores_->item(row, column)->setText(Milliamperes(*value));
    if (column == 0)
        Drive(text);
    Fit();
    return true;
}

void TFormCalibCorrente::Drive(const QString& text) {
    // Only a current the board can drive: anything else would force a value beyond its full scale.
    const auto forced = ServiceNumbers::ForcedCurrent(text, board_ == 2);
    if (!forced)
        return;
    bool written = false;
    {
        const QScopedValueRollback busy(busy_, true);
        // Forced: a drive is a command, sent even when the image already holds that value.
        written = Session().WriteRegister(kForcedCurrent, *forced, false, true);
    }
    if (!written)
        context_.prompts.Error(this, Text(ErrorDrive));
}

void TFormCalibCorrente::edNumPontosExit() {
    const auto points = NumberRules::ParseInteger(edNumPontos_->text().toStdString());
    if (!points || !NumberRules::InRange(*points, 2, kMaxPoints)) {
        context_.prompts.Error(this, Text(ErrorPoints));
        return;
    }
    if (*points + 1 == sgValores_->rowCount())
        return;
    editor_->Close();
    SetRows(*points);
    // The fit is of the rows shown: a dropped row no longer counts.
    Fit();
}

void TFormCalibCorrente::StoreRecord() {
    TCalibrationLine& line = Line();
    std::size_t count = 0;
    for (int r = 1; r < sgValores_->rowCount(); ++r) {
        const auto desired = CellValue(r, 0);
        const auto obtained = CellValue(r, 1);
        if (desired && obtained && count < line.x.size()) {
            line.x[count] = static_cast<float>(*obtained);
            line.y[count] = static_cast<float>(*desired);
            ++count;
        }
    }
    line.points = static_cast<int>(count);
    line.gain = static_cast<float>(fit_.a);
    line.offset = static_cast<float>(fit_.b);
    if (serialKnown_)
        context_.calibration.Save(Session().Image().SerialNumber());
}

bool TFormCalibCorrente::SaveToDevice() {
    StoreRecord();
    const auto [gainLow, gainHigh] = NumberRules::WordsFromFloat(static_cast<float>(fit_.a));
    const auto [offsetLow, offsetHigh] = NumberRules::WordsFromFloat(static_cast<float>(fit_.b));
    const std::array<int, 2> gain{gainLow, gainHigh};
    const std::array<int, 2> offset{offsetLow, offsetHigh};
    bool saved = false;
    {
        const QScopedValueRollback busy(busy_, true);
        saved = Session().WriteRegisters(GainRegister(), gain, true);
        saved = Session().WriteRegisters(OffsetRegister(), offset, true) && saved;
        saved = Session().FlushWrites() && saved;
    }
    ShowDeviceCalibration();
    if (!saved)
        context_.prompts.Error(this, Text(ErrorSaving));
    return saved;
}

bool TFormCalibCorrente::FitUnsaved() const {
    // Compared as the device would hold the fit, so that a saved fit never counts as unsaved.
    const auto differs = [this](double fitted, int reg) {
        return std::abs(static_cast<double>(static_cast<float>(fitted)) -
                        static_cast<double>(DeviceFloat(reg))) > 1e-6;
    };
    return (differs(fit_.a, GainRegister()) || differs(fit_.b, OffsetRegister())) && !fit_.IsDefault();
}

bool TFormCalibCorrente::MayLeave() {
    StoreRecord();
    if (!FitUnsaved())
        return true;
    switch (context_.prompts.QuestionWithCancel(this, Text(Unsaved))) {
    case TUserPrompts::TAnswer::Yes:
        return SaveToDevice();
    case TUserPrompts::TAnswer::No:
        return true;
    case TUserPrompts::TAnswer::Cancel:
        break;
    }
    return false;
}

void TFormCalibCorrente::cbIndexSaidaChange(int index) {
    if (index == output_ || index < 0 || index > 3)
        return;
    editor_->Close();
    if (busy_ || !MayLeave()) {
        cbIndexSaida_->setCurrentIndex(output_);
        return;
    }
    output_ = index;
    cbIndexSaida_->setCurrentIndex(index);
    LoadGrid();
}

void TFormCalibCorrente::rgEscalaClick(int index) {
    if (index + 1 == board_ || index < 0 || index > 1)
        return;
    editor_->Close();
    if (busy_ || !MayLeave()) {
        rgEscala_->SetItemIndex(board_ - 1);
        return;
    }
    board_ = index + 1;
    rgEscala_->SetItemIndex(index);
    LoadGrid();
}

bool TFormCalibCorrente::bbSalvarCalibracaoClick() {
    if (busy_)
        return false;
    editor_->Close();
    return SaveToDevice();
}

void TFormCalibCorrente::bbAceitaClick() {
    if (busy_)
        return;
    editor_->Close();
    // The points typed are kept for a later run whatever is answered.
    if (MayLeave())
        accept();
}
