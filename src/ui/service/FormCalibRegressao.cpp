#include "ui/service/FormCalibRegressao.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/EventLog.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

using namespace FormCalibRegressaoTexts;

constexpr int kRetryMs = 100;
constexpr double kLiveWaitSeconds = 0.1;
constexpr double kSavedTolerance = 1e-6;
constexpr int kVisibleRows = 10;
constexpr int kRowHeight = 24;
constexpr int kBoxWidth = 120;
constexpr std::array<int, 4> kWidths{30, 120, 120, 120};

// A typed decimal with "." or ",", to the millionth (so within +-2147.483647, beyond any input here).
std::optional<double> ParseDecimal(const QString& text) {
    const auto millionths = NumberRules::ParseScaled(text.toStdString(), 6);
    if (!millionths)
        return std::nullopt;
    return *millionths / 1e6;
}

QPushButton* Button(const char* name, QWidget* parent) {
    QPushButton* b = Widgets::Button(name, parent);
    // Enter in an edit box must not press a button of the dialog.
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFormCalibRegressao::TFormCalibRegressao(const TScreenContext& context, int language, const TNames& names,
                                         QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)),
      timerUpdate_(new QTimer(this)) {
    BuildLayout(names);
    timerUpdate_->setObjectName("TimerUpdate");
    timerUpdate_->setInterval(kTimerMs);
    connect(timerUpdate_, &QTimer::timeout, this, &TFormCalibRegressao::TimerUpdateTimer);
}

void TFormCalibRegressao::BuildLayout(const TNames& names) {
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* navigation = new QHBoxLayout;
    bbAnterior_ = Button(names.previous, this);
    pnEntrada_ = Widgets::Panel(names.inputPanel, this);
    bbProximo_ = Button(names.next, this);
    navigation->addWidget(bbAnterior_);
    navigation->addWidget(pnEntrada_, 1);
    navigation->addWidget(bbProximo_);
    layout->addLayout(navigation);

    auto* measured = new QHBoxLayout;
    lblMedido_ = new QLabel(this);
    lblMedido_->setObjectName("lblMedido");
    edMedido_ = new QLineEdit("0.0", this);
    edMedido_->setObjectName("edMedido");
    edMedido_->setFixedWidth(kBoxWidth);
    bbLerValor_ = Button("bbLerValor", this);
    pnMedidaAtual_ = Widgets::Panel("pnMedidaAtual", this);
    pnMedidaAtual_->setMinimumWidth(170);
    measured->addWidget(lblMedido_);
    measured->addWidget(edMedido_);
    measured->addWidget(bbLerValor_);
    measured->addWidget(pnMedidaAtual_, 1);
    layout->addLayout(measured);

    expectedRow_ = new QHBoxLayout;
    lblEsperado_ = new QLabel(this);
    lblEsperado_->setObjectName("lblEsperado");
    edEsperado_ = new QLineEdit("0.0", this);
    edEsperado_->setObjectName("edEsperado");
    edEsperado_->setFixedWidth(kBoxWidth);
    expectedRow_->addWidget(lblEsperado_);
    expectedRow_->addWidget(edEsperado_);
    expectedRow_->addStretch();
    layout->addLayout(expectedRow_);
    bbAdicionar_ = Button("bbAdicionar", this);
    layout->addWidget(bbAdicionar_, 0, Qt::AlignLeft);

    BuildGrid(names.columns);
    layout->addWidget(sgValores_, 0, Qt::AlignHCenter);
    pnCalibAtual_ = Widgets::Panel("pnCalibAtual", this);
    layout->addWidget(pnCalibAtual_);
    bbRemover_ = Button("bbRemover", this);
    layout->addWidget(bbRemover_, 0, Qt::AlignLeft);
    auto* coefficients = new QHBoxLayout;
    pnCoefAng_ = Widgets::Panel("pnCoefAng", this);
    pnCoefLin_ = Widgets::Panel("pnCoefLin", this);
    coefficients->addWidget(pnCoefAng_);
    coefficients->addWidget(pnCoefLin_);
    layout->addLayout(coefficients);
    bbSalvarCalibracao_ = Button("bbSalvarCalibracao", this);
    layout->addWidget(bbSalvarCalibracao_, 0, Qt::AlignLeft);
    pnCorrelacao_ = Widgets::Panel("pnCorrelacao", this);
    layout->addWidget(pnCorrelacao_);
    ConnectButtons();
}

void TFormCalibRegressao::ConnectButtons() {
    connect(bbAnterior_, &QPushButton::clicked, this, &TFormCalibRegressao::bbAnteriorClick);
    connect(bbProximo_, &QPushButton::clicked, this, &TFormCalibRegressao::bbProximoClick);
    connect(bbLerValor_, &QPushButton::clicked, this, &TFormCalibRegressao::bbLerValorClick);
    connect(bbAdicionar_, &QPushButton::clicked, this, &TFormCalibRegressao::bbAdicionarClick);
    connect(bbRemover_, &QPushButton::clicked, this, &TFormCalibRegressao::bbRemoverClick);
    connect(bbSalvarCalibracao_, &QPushButton::clicked, this, &TFormCalibRegressao::bbSalvarCalibracaoClick);
}

void TFormCalibRegressao::BuildGrid(int columns) {
    sgValores_ = new QTableWidget(0, columns, this);
    sgValores_->setObjectName("sgValores");
    // The headings stay in view while the points scroll.
    sgValores_->verticalHeader()->hide();
    sgValores_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgValores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgValores_->setSelectionMode(QAbstractItemView::SingleSelection);
    sgValores_->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgValores_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    int width = 2 * sgValores_->frameWidth() + sgValores_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columns; ++c) {
        sgValores_->setHorizontalHeaderItem(c, new QTableWidgetItem);
        sgValores_->setColumnWidth(c, kWidths[static_cast<std::size_t>(c)]);
        width += kWidths[static_cast<std::size_t>(c)];
    }
    const int heading = sgValores_->horizontalHeader()->sizeHint().height();
    sgValores_->setFixedSize(width, heading + kVisibleRows * kRowHeight + 2 * sgValores_->frameWidth());
}

void TFormCalibRegressao::HideNavigation() {
    bbAnterior_->hide();
    bbProximo_->hide();
}

QString TFormCalibRegressao::Text(TId id) const {
    return FormCalibRegressaoTexts::Text(id, language_);
}

void TFormCalibRegressao::Prepare() {
    ApplyLanguage(language_);
    ReadCalibration();
    LoadPoints();
    FillControls();
    timerUpdate_->start();
}

void TFormCalibRegressao::ReadCalibration() {
    bool ok = true;
    for (const TBlock& block : CalibrationBlocks()) {
        if (Session().ReadRegisters(block.first, block.count, true))
            continue;
        // Refused while another request is under way: once more, a moment later.
        EventLog::PauseHandlingEvents(kRetryMs);
        ok = Session().ReadRegisters(block.first, block.count, true) && ok;
    }
    ok = Session().FlushReads() && ok;
    if (!ok)
        context_.prompts.Error(this, Text(ErrorReading));
}

void TFormCalibRegressao::LoadPoints() {
    context_.calibration.Load(Session().Image().SerialNumber());
    const TCalibrationLine& line = RecordLine(input_);
    points_.clear();
    for (int i = 0; i < line.points; ++i)
        points_.emplace_back(line.x[static_cast<std::size_t>(i)], line.y[static_cast<std::size_t>(i)]);
    // Another input's line is never carried over to this one.
    fit_ = TLineFit{};
    Refit();
}

void TFormCalibRegressao::Refit() {
    std::vector<std::pair<double, double>> points;
    points.reserve(points_.size());
    for (const auto& [x, y] : points_)
        points.emplace_back(x, y);
    fit_ = TLineFit::Of(points, fit_);
}

void TFormCalibRegressao::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Caption());
    bbAnterior_->setText(Text(Previous));
    bbProximo_->setText(Text(Next));
    lblMedido_->setText(Text(MeasuredValue));
    bbLerValor_->setText(Text(CopyMeasurement));
    lblEsperado_->setText(Text(ExpectedValue));
    bbAdicionar_->setText(Text(Add));
    bbRemover_->setText(Text(Remove));
    bbSalvarCalibracao_->setText(Text(SaveCalibration));
    const int width = std::max(lblMedido_->sizeHint().width(), lblEsperado_->sizeHint().width());
    lblMedido_->setFixedWidth(width);
    lblEsperado_->setFixedWidth(width);
    FillControls();
}

float TFormCalibRegressao::DeviceFloat(int reg) const {
    return NumberRules::FloatFromWords(Session().FetchRegister(reg), Session().FetchRegister(reg + 1));
}

void TFormCalibRegressao::FillControls() {
    const TRegisters regs = Registers(input_);
    pnCalibAtual_->setText(Text(Current) + "   " + Text(Gain) +
                           QString::asprintf("%.3f", static_cast<double>(DeviceFloat(regs.gain))) + "  " +
                           Text(Offset) +
                           QString::asprintf("%.3f", static_cast<double>(DeviceFloat(regs.offset))));
    pnEntrada_->setText(InputName(input_));
    for (int c = 0; c < sgValores_->columnCount(); ++c)
        sgValores_->horizontalHeaderItem(c)->setText(Heading(c));
    FillGrid();
    pnCoefAng_->setText(QString::asprintf("a = %.4f", fit_.a));
    pnCoefLin_->setText(QString::asprintf("b = %.4f", fit_.b));
    pnCorrelacao_->setText(QString::asprintf("corr = %.5f %%", fit_.c));
    FillLive();
}

void TFormCalibRegressao::FillGrid() {
    // With no points one blank row is shown.
    const int rows = std::max<int>(1, static_cast<int>(points_.size()));
    sgValores_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        sgValores_->setRowHeight(r, kRowHeight);
        for (int c = 0; c < sgValores_->columnCount(); ++c) {
            if (!sgValores_->item(r, c)) {
                auto* item = new QTableWidgetItem;
                if (c == 0)
                    item->setBackground(sgValores_->palette().button());
                sgValores_->setItem(r, c, item);
            }
            sgValores_->item(r, c)->setText({});
        }
    }
    for (int i = 0; i < static_cast<int>(points_.size()); ++i) {
        const auto [x, y] = points_[static_cast<std::size_t>(i)];
        Widgets::SetCell(sgValores_, i, 0, QString::number(i + 1));
        Widgets::SetCell(sgValores_, i, 1, QString::asprintf("%.3f", static_cast<double>(x)));
        Widgets::SetCell(sgValores_, i, 2, QString::asprintf("%.3f", static_cast<double>(y)));
        FillExtraCells(i, y);
    }
}

void TFormCalibRegressao::FillLive() {
    pnMedidaAtual_->setText(LiveText(Session().FetchRegister(Registers(input_).live)));
}

void TFormCalibRegressao::TimerUpdateTimer() {
    if (busy_)
        return;
    const QScopedValueRollback busy(busy_, true);
    // A failed read leaves the image's value on show.
    const TBlock live = LiveBlock();
    if (Session().ReadRegisters(live.first, live.count, true))
        Session().FlushReads(kLiveWaitSeconds);
    FillLive();
}

void TFormCalibRegressao::bbLerValorClick() {
    edMedido_->setText(CopyText(Session().FetchRegister(Registers(input_).live)));
}

void TFormCalibRegressao::bbAdicionarClick() {
    if (busy_)
        return;
    if (static_cast<int>(points_.size()) >= kMaxPoints) {
        context_.prompts.Error(this, Text(MaximumPoints));
        return;
    }
    const auto measured = ParseDecimal(edMedido_->text());
    if (!measured) {
        context_.prompts.Error(this, Text(InvalidMeasured));
        return;
    }
    const auto expected = ParseDecimal(edEsperado_->text());
    if (!expected) {
        context_.prompts.Error(this, Text(InvalidExpected));
        return;
    }
    points_.emplace_back(static_cast<float>(*measured), static_cast<float>(Expected(*expected)));
    Refit();
    FillControls();
    StoreRecord();
}

int TFormCalibRegressao::SelectedRow() const {
    const QList<QTableWidgetItem*> selected = sgValores_->selectedItems();
    return selected.isEmpty() ? 0 : selected.first()->row() + 1;
}

void TFormCalibRegressao::bbRemoverClick() {
    if (busy_)
        return;
    const int row = SelectedRow();
    if (row <= 0) {
        context_.prompts.Error(this, Text(SelectLine));
        return;
    }
    if (points_.size() < 2)
        points_.clear();
    else
        points_.erase(points_.begin() + (row - 1));
    Refit();
    FillControls();
}

void TFormCalibRegressao::StoreRecord() {
    TCalibrationLine& line = RecordLine(input_);
    line.points = static_cast<int>(points_.size());
    line.gain = static_cast<float>(fit_.a);
    line.offset = static_cast<float>(fit_.b);
    for (std::size_t i = 0; i < points_.size(); ++i) {
        line.x[i] = points_[i].first;
        line.y[i] = points_[i].second;
    }
    context_.calibration.Save(Session().Image().SerialNumber());
}

bool TFormCalibRegressao::bbSalvarCalibracaoClick() {
    if (busy_)
        return false;
    const QScopedValueRollback busy(busy_, true);
    return Save();
}

bool TFormCalibRegressao::Save() {
    StoreRecord();
    const TRegisters regs = Registers(input_);
    auto send = [this](int first, double value) {
        const auto [low, high] = NumberRules::WordsFromFloat(static_cast<float>(value));
        const std::array<int, 2> words{low, high};
        return Session().WriteRegisters(first, words, true);
    };
    if (!send(regs.gain, fit_.a)) {
        context_.prompts.Error(this, Text(ErrorSending));
        return false;
    }
    // From here on each failure is said and the rest still goes out.
    bool ok = true;
    auto check = [this, &ok](bool sent) {
        if (!sent)
            context_.prompts.Error(this, Text(ErrorSending));
        ok = ok && sent;
    };
    check(send(regs.offset, fit_.b));
    check(SendExtra());
    check(Session().FlushWrites());
    if (ok)
        context_.prompts.Information(this, Text(Saved));
    FillControls();
    return ok;
}

bool TFormCalibRegressao::Unsaved() const {
    if (fit_.IsDefault())
        return false;
    // Compared as the device would hold them, so that a saved line never counts as unsaved.
    const TRegisters regs = Registers(input_);
    const double gain = static_cast<float>(fit_.a), offset = static_cast<float>(fit_.b);
    return std::fabs(gain - static_cast<double>(DeviceFloat(regs.gain))) > kSavedTolerance ||
           std::fabs(offset - static_cast<double>(DeviceFloat(regs.offset))) > kSavedTolerance;
}

bool TFormCalibRegressao::Settle(bool withCancel) {
    if (!Unsaved())
        return true;
    bool yes = false;
    if (withCancel) {
        const auto answer = context_.prompts.QuestionWithCancel(this, Text(NotSaved));
        if (answer == TUserPrompts::TAnswer::Cancel)
            return false;
        yes = answer == TUserPrompts::TAnswer::Yes;
    } else {
        yes = context_.prompts.Question(this, Text(NotSaved));
    }
    return !yes || Save();
}

void TFormCalibRegressao::Move(int step) {
    if (busy_)
        return;
    const QScopedValueRollback busy(busy_, true);
    if (Settle(true)) {
        const int count = InputCount();
        input_ = ((input_ + step) % count + count) % count;
        LoadPoints();
        FillControls();
    }
}

void TFormCalibRegressao::reject() {
    if (busy_)
        return;
    busy_ = true;
    const bool leave = Settle(false);
    busy_ = false;
    if (leave)
        QDialog::reject();
}
