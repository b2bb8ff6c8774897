#include "ui/service/FormDetectFalhaParam.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/MembraneParameters.h"
#include "model/NumberRules.h"
#include "persistence/Cp1252.h"
#include "persistence/EventLog.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/Language.h"
#include "ui/common/RememberedFile.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/service/FormDetectFalhaParamTexts.h"
#include "ui/service/GridCellEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QTimer>

#include <array>
#include <string>
#include <vector>

namespace {

using namespace FormDetectFalhaParamTexts;
using Widgets::SetCell;

constexpr int kBlock = 1201; // 1201..1211
constexpr int kBlockCount = 11;
constexpr int kState = 1209; // state, then the result's two words
constexpr int kResult = 1210;
constexpr int kMeasure = 510;
constexpr int kDeadTime = 5;
constexpr int kRows = MembraneParameters::kRows;
constexpr int kTimerMs = 1000;

} // namespace

TFormDetectFalhaParam::TFormDetectFalhaParam(const TScreenContext& context, int language, QWidget* parent)
    : QDialog(parent), context_(context), pnBack_(Widgets::DialogBackground(this)),
      timerUpdate_(new QTimer(this)) {
    setObjectName("FormDetectFalhaParam");
    auto* layout = new QGridLayout(pnBack_);
    sgValores_ = Widgets::Grid("sgValores", kRows + 1, 2, {70, 100}, pnBack_);
    Widgets::ShadeHeadings(sgValores_);
    const std::array<const char*, kRows> labels{"Nmin", "Nmax", "Nestim", "Nmeas", "Nmm", "Nme", "Delta"};
    for (int row = 1; row <= kRows; ++row)
        SetCell(sgValores_, row, 0, labels[static_cast<std::size_t>(row - 1)]);
    connect(sgValores_, &QTableWidget::cellPressed, this, &TFormDetectFalhaParam::sgValoresMouseDown);
    // Cells are checked when they are sent.
    editor_ = std::make_unique<TGridCellEditor>(sgValores_, pnBack_);
    layout->addWidget(sgValores_, 0, 0, 5, 1);
    bbEnvia_ = Widgets::Button("bbEnvia", pnBack_);
    connect(bbEnvia_, &QPushButton::clicked, this, &TFormDetectFalhaParam::bbEnviaClick);
    pnEstado_ = Widgets::Panel("pnEstado", pnBack_);
    pnResult_ = Widgets::Panel("pnResult", pnBack_);
    pnMedida_ = Widgets::Panel("pnMedida", pnBack_);
    sbSalvar_ = Widgets::Button("sbSalvar", pnBack_);
    sbSalvar_->setCheckable(true);
    connect(sbSalvar_, &QPushButton::clicked, this, &TFormDetectFalhaParam::sbSalvarClick);
    for (int i = 0;
         QWidget * w : std::array<QWidget*, 5>{bbEnvia_, pnEstado_, pnResult_, pnMedida_, sbSalvar_}) {
        w->setMinimumWidth(230);
        layout->addWidget(w, i++, 1);
    }
    lblInfo_ = new QLabel(pnBack_);
    lblInfo_->setObjectName("lblInfo");
    layout->addWidget(lblInfo_, 5, 0, 1, 2);

    // A device that does not answer leaves what the image holds on show. The measurement is read
    // too, so that the panels are the device's from the start rather than after the first tick.
    TReadBatch(Session()).Add(kBlock, kBlockCount).Add(kMeasure).Flush();
    ApplyLanguage(language);
    FillGrid();
    previousState_ = Session().FetchRegister(kState);
    ShowPanels();

    timerUpdate_->setObjectName("timerUpdate");
    timerUpdate_->setInterval(kTimerMs);
    connect(timerUpdate_, &QTimer::timeout, this, &TFormDetectFalhaParam::timerUpdateTimer);
    timerUpdate_->start();
}

TFormDetectFalhaParam::~TFormDetectFalhaParam() = default;

QString TFormDetectFalhaParam::Text(int id) const {
    return FormDetectFalhaParamTexts::Text(static_cast<TId>(id), language_);
}

void TFormDetectFalhaParam::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Text(Caption));
    lblInfo_->setText(Text(Info));
    bbEnvia_->setText(Text(Send));
    sbSalvar_->setText(Text(SaveMeasurements));
    ShowPanels();
}

void TFormDetectFalhaParam::FillGrid() {
    for (int row = 1; row <= kRows; ++row)
        SetCell(sgValores_, row, 1,
                QString::fromStdString(MembraneParameters::Decode(
                    row, Session().FetchRegister(MembraneParameters::kFirst + row - 1))));
}

void TFormDetectFalhaParam::sgValoresMouseDown(int row, int column) {
    if (row < 1 || column != 1)
        return;
    if (editor_->Leave())
        editor_->Open(row, column, sgValores_->item(row, column)->text());
}

void TFormDetectFalhaParam::bbEnviaClick() {
    // A cell still being typed in counts.
    editor_->Leave();
    std::vector<int> values;
    for (int row = 1; row <= kRows; ++row) {
        const QString text = sgValores_->item(row, 1)->text();
        const auto value = MembraneParameters::Encode(row, text.toStdString());
        if (!value) {
            context_.prompts.Error(this, Text(InvalidValue) + text);
            return;
        }
        values.push_back(*value);
    }
    Session().WriteRegisters(MembraneParameters::kFirst, values, false, true);
}

QString TFormDetectFalhaParam::StateText(int state) const {
    if (state < 0 || state > kDeadTime)
        return Text(StateUnknown);
    return Text(static_cast<TId>(StateSetup + state));
}

QString TFormDetectFalhaParam::ResultText() const {
    const float result =
        NumberRules::FloatFromWords(Session().FetchRegister(kResult), Session().FetchRegister(kResult + 1));
    return "Result:  " + QString::asprintf("%.5f", static_cast<double>(result));
}

QString TFormDetectFalhaParam::MeasureText() const {
    return Text(CurrentMeasure) +
           QString::asprintf("%.1f", (Session().FetchRegister(kMeasure) - 1500) / 10.0);
}

void TFormDetectFalhaParam::ShowPanels() {
    pnEstado_->setText(StateText(Session().FetchRegister(kState)));
    pnResult_->setText(ResultText());
    pnMedida_->setText(MeasureText());
}

void TFormDetectFalhaParam::timerUpdateTimer() {
    if (ticking_)
        return;
    const QScopedValueRollback ticking(ticking_, true);
    TReadBatch(Session()).Add(kState, 3).Add(kMeasure).Flush();
    ShowPanels();
    const int state = Session().FetchRegister(kState);
    if (logging_)
        Log(state);
    previousState_ = state;
}

void TFormDetectFalhaParam::Log(int state) {
    if (state != previousState_) {
        lines_ << StateText(state);
        if (state == kDeadTime)
            lines_ << ResultText();
    }
    lines_ << MeasureText();
    std::vector<std::string> bytes;
    bytes.reserve(static_cast<std::size_t>(lines_.size()));
    for (const QString& line : lines_)
        bytes.push_back(Cp1252::FromUnicode(line));
    // The same file shape as the event log's, and replaced whole: a crash never leaves it empty.
    if (!EventLog::Save(logPath_.toStdString(), bytes)) {
        StopLogging();
        context_.prompts.Error(this, Text(ErrorSaving));
    }
}

void TFormDetectFalhaParam::sbSalvarClick(bool down) {
    if (!down) {
        StopLogging();
        return;
    }
    lines_.clear();
    const QString file = ChooseRememberedFile(context_, this, context_.settings.detectFalhaSave,
                                              {Text(SaveTitle), Text(Filter), "txt", {}});
    if (file.isEmpty()) {
        sbSalvar_->setChecked(false);
        return;
    }
    logPath_ = file;
    logging_ = true;
}

void TFormDetectFalhaParam::StopLogging() {
    logging_ = false;
    sbSalvar_->setChecked(false);
}
