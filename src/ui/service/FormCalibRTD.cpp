#include "ui/service/FormCalibRTD.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/NumberRules.h"
#include "ui/common/Language.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/service/FormCalibRTDTexts.h"
#include "ui/service/GridCellEditor.h"
#include "ui/service/ServiceNumbers.h"

#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

using namespace FormCalibRTDTexts;
using Widgets::SetCell;

constexpr int kGain = 2540;   // RTD k at 2540 + 2k, a float
constexpr int kOffset = 2560; // RTD k at 2560 + 2k, a float
constexpr int kMeasured = 2580;
constexpr int kRegulator = 2;
constexpr int kGainColumn = 1;
constexpr int kOffsetColumn = 2;
constexpr int kTimerMs = 1000;

} // namespace

TFormCalibRTD::TFormCalibRTD(const TScreenContext& context, int language, QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)),
      pnBack_(Widgets::DialogBackground(this)), timer1_(new QTimer(this)) {
    setObjectName("FormCalibRTD");
    auto* layout = new QVBoxLayout(pnBack_);
    sgValores_ = Widgets::Grid("sgValores", Rtds() + 1, 5, {50, 90, 90, 100, 100}, pnBack_);
    Widgets::ShadeHeadings(sgValores_);
    for (int r = 1; r < sgValores_->rowCount(); ++r)
        SetCell(sgValores_, r, 0, QString::number(r));
    connect(sgValores_, &QTableWidget::cellPressed, this, &TFormCalibRTD::sgValoresMouseDown);
    layout->addWidget(sgValores_);
    editor_ = std::make_unique<TGridCellEditor>(
        sgValores_, pnBack_,
        [this](int row, int column, const QString& text) { return CommitCell(row, column, text); });

    TReadBatch reads(Session());
    reads.Add(kGain, 2 * Rtds()).Add(kOffset, 2 * Rtds()).Add(kMeasured, Rtds()).Flush();
    ApplyLanguage(language);
    FillControls();

    timer1_->setObjectName("Timer1");
    timer1_->setInterval(kTimerMs);
    connect(timer1_, &QTimer::timeout, this, &TFormCalibRTD::Timer1Timer);
    timer1_->start();
}

TFormCalibRTD::~TFormCalibRTD() = default;

int TFormCalibRTD::Rtds() const {
    return Session().Family() == kRegulator ? 1 : 6;
}

QString TFormCalibRTD::Text(int id) const {
    return FormCalibRTDTexts::Text(static_cast<TId>(id), language_);
}

void TFormCalibRTD::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Text(Caption));
    const std::array<TId, 5> heads{HeadRtd, HeadGain, HeadOffset, HeadBefore, HeadAfter};
    for (int c = 0; c < 5; ++c)
        SetCell(sgValores_, 0, c, Text(heads[static_cast<std::size_t>(c)]));
    Widgets::FitColumns(sgValores_);
}

float TFormCalibRTD::DeviceFloat(int reg) const {
    return NumberRules::FloatFromWords(Session().FetchRegister(reg), Session().FetchRegister(reg + 1));
}

void TFormCalibRTD::FillControls() {
    for (int k = 0; k < Rtds(); ++k) {
        const float gain = DeviceFloat(kGain + 2 * k);
        const float offset = DeviceFloat(kOffset + 2 * k);
        const double before = Session().FetchRegister(kMeasured + k) / 100.0;
        // An infinite gain or offset from the device makes no reading of its own.
        const double after = before * (std::isinf(gain) ? 1.0 : gain) +
                             (std::isinf(offset) ? 0.0 : static_cast<double>(offset));
        SetCell(sgValores_, k + 1, kGainColumn, QString::asprintf("%.4f", gain));
        SetCell(sgValores_, k + 1, kOffsetColumn, QString::asprintf("%.4f", offset));
        SetCell(sgValores_, k + 1, 3, QString::asprintf("%.2f", before));
        SetCell(sgValores_, k + 1, 4, QString::asprintf("%.2f", after));
    }
}

void TFormCalibRTD::Timer1Timer() {
    if (timerBusy_)
        return;
    timerBusy_ = true;
    TReadBatch(Session()).Add(kMeasured, Rtds()).Flush(0.1);
    FillControls();
    timerBusy_ = false;
}

void TFormCalibRTD::sgValoresMouseDown(int row, int column) {
    if (row < 1 || row > Rtds() || (column != kGainColumn && column != kOffsetColumn))
        return;
    // The grid never takes the focus: an edit still open is committed before the next one opens.
    if (!editor_->Leave())
        return;
    const auto value = ServiceNumbers::Decimal(sgValores_->item(row, column)->text());
    editor_->Open(row, column, value ? QString::asprintf("%.4f", *value) : "0.0000");
}

bool TFormCalibRTD::CommitCell(int row, int column, const QString& text) {
    // Left as it opened: the shown value is rounded, so writing it back would change the device.
    if (text == editor_->OpenedWith())
        return true;
    const auto value = ServiceNumbers::Decimal(text);
    if (!value) {
        context_.prompts.Error(this, Text(ErrorNumeric));
        return false;
    }
    const bool gain = column == kGainColumn;
    if (gain ? *value < 0.5 || *value > 1.5 : *value < -10 || *value > 10) {
        context_.prompts.Error(this, Text(gain ? ErrorGain : ErrorOffset));
        return false;
    }
    SetCell(sgValores_, row, column, QString::asprintf("%.4f", *value));
    editor_->Close();
    const auto [low, high] = NumberRules::WordsFromFloat(static_cast<float>(*value));
    const std::array<int, 2> words{low, high};
    if (!Session().WriteRegisters((gain ? kGain : kOffset) + 2 * (row - 1), words))
        context_.prompts.Error(this, Text(ErrorSending));
    return true;
}
