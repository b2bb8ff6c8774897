#include "ui/service/FrameTesteCalibracao.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/FieldRule.h"
#include "model/NumberRules.h"
#include "persistence/CalibrationRecord.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/service/FormCalibCorrente.h"
#include "ui/service/FormCalibEntrCorrRegressao.h"
#include "ui/service/FormCalibRTD.h"
#include "ui/service/FormCalibRTDRegressao.h"
#include "ui/service/FormMemo.h"
#include "ui/service/FormTesteValores.h"
#include "ui/service/FrameTesteCalibracaoTexts.h"
#include "ui/service/ServiceNumbers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>
#include <optional>

namespace {

using namespace FrameTesteCalibracaoTexts;

constexpr int kTestMode = 2100;
constexpr int kForcedCurrent = 2101;
constexpr int kCalibrationDisabled = 2105;
constexpr int kSavedSize = 2106;
constexpr int kTestParameters = 2110;
constexpr int kTestParameterCount = 30;
constexpr int kLastErrors = 2170;
constexpr int kLastErrorCount = 20;
constexpr int kSerialNumber = 2501;
constexpr int kResistor127 = 2530;
constexpr int kBoardType = 2660;
constexpr int kLowRangeBoard = 2;
constexpr int kFullScale = 50000;

// 0..655.35 ohm in hundredths, the bounds checked on the typed value.
constexpr TFieldRule kResistorRule{2, 0, 6'553'500};

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

TFrameTesteCalibracao::TFrameTesteCalibracao(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)) {
    setObjectName("FrameTesteCalibracao");
    background_->setObjectName("pnBack");
    BuildLayout();
    ApplyLanguage(0);
}

void TFrameTesteCalibracao::BuildLayout() {
    auto* layout = new QHBoxLayout(background_);
    layout->addWidget(BuildDevice(background_), 0, Qt::AlignTop);
    layout->addWidget(BuildTest(background_), 0, Qt::AlignTop);
    layout->addStretch();
}

QWidget* TFrameTesteCalibracao::BuildDevice(QWidget* parent) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    auto* boxes = new QGridLayout;
    lblNumSerie_ = new QLabel(column);
    lblNumSerie_->setObjectName("lblNumSerie");
    lblCalibR127_ = new QLabel(column);
    lblCalibR127_->setObjectName("lblCalibR127");
    boxes->addWidget(lblNumSerie_, 0, 0);
    boxes->addWidget(Box(SerialBox, "edNumSerie", column), 0, 1);
    boxes->addWidget(lblCalibR127_, 1, 0);
    boxes->addWidget(Box(ResistorBox, "edCalib127", column), 1, 1);
    layout->addLayout(boxes);
    layout->addWidget(Button(CalibrateRtdsButton, "bbCalibrarRTDs", column));
    layout->addWidget(Button(RtdRegressionButton, "bbCalibrarRTDRegressao", column));
    layout->addWidget(Button(CurrentInputRegressionButton, "bbCalibrarEntrCorrReg", column));
    layout->addWidget(Button(CalibrateOutputButton, "bbCalibrarSaidaCorrente", column));
    layout->addWidget(Button(SimulateButton, "bbSimulaMedidas", column));
    connect(buttons_[CalibrateRtdsButton], &QPushButton::clicked, this,
            [this] { OpenDialog<TFormCalibRTD>(); });
    connect(buttons_[RtdRegressionButton], &QPushButton::clicked, this,
            [this] { OpenDialog<TFormCalibRTDRegressao>(); });
    connect(buttons_[CurrentInputRegressionButton], &QPushButton::clicked, this,
            [this] { OpenDialog<TFormCalibEntrCorrRegressao>(); });
    connect(buttons_[CalibrateOutputButton], &QPushButton::clicked, this,
            &TFrameTesteCalibracao::bbCalibrarSaidaCorrenteClick);
    connect(buttons_[SimulateButton], &QPushButton::clicked, this,
            &TFrameTesteCalibracao::bbSimulaMedidasClick);
    return column;
}

QWidget* TFrameTesteCalibracao::BuildTest(QWidget* parent) {
    auto* column = new QWidget(parent);
    auto* layout = new QVBoxLayout(column);
    auto* gbTeste = new QGroupBox(column);
    gbTeste->setObjectName("gbTeste");
    auto* test = new QGridLayout(gbTeste);
    rgModoTesteCalibracao_ = new TRadioGroup("rgModoTesteCalibracao", 2, gbTeste);
    connect(rgModoTesteCalibracao_, &TRadioGroup::itemClicked, this, &TFrameTesteCalibracao::ClickCommit);
    cbDesativaCalib_ = new QCheckBox(gbTeste);
    cbDesativaCalib_->setObjectName("cbDesativaCalib");
    connect(cbDesativaCalib_, &QCheckBox::clicked, this, &TFrameTesteCalibracao::ClickCommit);
    lblSaidaCorrente_ = new QLabel(gbTeste);
    lblSaidaCorrente_->setObjectName("lblSaidaCorrente");
    test->addWidget(rgModoTesteCalibracao_, 0, 0, 1, 2);
    test->addWidget(cbDesativaCalib_, 1, 0, 1, 2);
    test->addWidget(lblSaidaCorrente_, 2, 0);
    test->addWidget(Box(CurrentBox, "edSaidaCorrente", gbTeste), 2, 1);
    layout->addWidget(gbTeste);
    pnTamanhoParametros_ = Widgets::Panel("pnTamanhoParametros", column);
    layout->addWidget(pnTamanhoParametros_);
    layout->addWidget(Button(ReadTestButton, "bbLerParTeste", column));
    layout->addWidget(Button(ReadErrorsButton, "bbLerUltimosErros", column));
    connect(buttons_[ReadTestButton], &QPushButton::clicked, this,
            &TFrameTesteCalibracao::bbLerParTesteClick);
    connect(buttons_[ReadErrorsButton], &QPushButton::clicked, this,
            &TFrameTesteCalibracao::bbLerUltimosErrosClick);
    return column;
}

QLineEdit* TFrameTesteCalibracao::Box(TBox box, const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaximumWidth(110);
    commitFilter_->Watch(edit);
    boxes_[box] = edit;
    return edit;
}

QPushButton* TFrameTesteCalibracao::Button(TButtonId id, const char* name, QWidget* parent) {
    buttons_[id] = Widgets::Button(name, parent);
    return buttons_[id];
}

void TFrameTesteCalibracao::ShowScreen(int language) {
    ApplyLanguage(language);
    if (Session().IsConnected()) {
        // The record is the one of the device just read, so that one device's points never go
        // into another device's file.
        const bool serialRead = Session().ReadRegisters(kSerialNumber, 2);
        if (serialRead)
            Context().calibration.Load(DeviceSerialNumber());
        TReadBatch batch(Session());
        QueueReads(batch);
        UpdateCalibrationRecord(serialRead, batch.Flush());
    }
    FillControls();
}

void TFrameTesteCalibracao::UpdateCalibrationRecord(bool serialRead, bool read) {
    if (!serialRead)
        return;
    TCalibrationRecord& record = Context().calibration;
    record.serialNumber = DeviceSerialNumber();
    // A reference value that was not read could be another device's.
    if (read)
        record.res127 = Session().FetchRegister(kResistor127);
    record.Save(record.serialNumber);
}

void TFrameTesteCalibracao::QueueReads(TReadBatch& batch) {
    batch.Add(kTestMode).Add(kForcedCurrent).Add(kCalibrationDisabled).Add(kResistor127);
    batch.Add(kBoardType, 4).Add(kSavedSize);
}

void TFrameTesteCalibracao::Retranslate() {
    auto t = [l = Language()](TId id) { return Text(id, l); };
    lblNumSerie_->setText(t(SerialNumber));
    lblCalibR127_->setText(t(Resistor127));
    buttons_[CalibrateRtdsButton]->setText(t(CalibrateRtds));
    buttons_[RtdRegressionButton]->setText(t(RtdRegression));
    buttons_[CurrentInputRegressionButton]->setText(t(CurrentInputRegression));
    buttons_[CalibrateOutputButton]->setText(t(CalibrateOutput));
    buttons_[SimulateButton]->setText(t(SimulateMeasurements));
    buttons_[ReadTestButton]->setText(t(ReadTestParameter));
    buttons_[ReadErrorsButton]->setText(t(ReadLastErrors));
    rgModoTesteCalibracao_->setTitle(t(TestMode));
    rgModoTesteCalibracao_->SetItems({t(Off), t(On)});
    cbDesativaCalib_->setText(t(DeactivateCalibration));
    ShowBoardAndSize();
}

bool TFrameTesteCalibracao::LowRangeBoard() const {
    return Session().FetchRegister(kBoardType) == kLowRangeBoard;
}

int TFrameTesteCalibracao::DeviceSerialNumber() const {
    const auto low = static_cast<std::uint32_t>(Session().FetchRegister(kSerialNumber)) & 0xFFFFU;
    const auto high = static_cast<std::uint32_t>(Session().FetchRegister(kSerialNumber + 1)) & 0x7FFFU;
    return static_cast<int>(low | high << 16);
}

// The texts that follow the device as well as the language.
void TFrameTesteCalibracao::ShowBoardAndSize() {
    const QString label = Text(LowRangeBoard() ? CurrentOutputLowRange : CurrentOutputStandard, Language());
    if (lblSaidaCorrente_->text() != label)
        lblSaidaCorrente_->setText(label);
    pnTamanhoParametros_->setText(Text(SavedSize, Language()) +
                                  QString::number(Session().FetchRegister(kSavedSize)) + " bytes");
}

void TFrameTesteCalibracao::SetBox(TBox box, const QString& text) {
    if (boxes_[box]->hasFocus())
        return;
    boxes_[box]->setText(text);
    filled_[box] = text;
}

bool TFrameTesteCalibracao::Changed(TBox box) const {
    return boxes_[box]->text() != filled_[box];
}

void TFrameTesteCalibracao::Fill() {
    if (!Session().IsConnected())
        return;
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    // Any value but 0 shows as on, but only a test mode the user picks is written back.
    rgModoTesteCalibracao_->SetValue(v(kTestMode));
    ShowBoardAndSize();
    const double current = v(kForcedCurrent) / static_cast<double>(kFullScale);
    SetBox(CurrentBox, LowRangeBoard() ? QString::asprintf("%.4f", current * 1.5)
                                       : QString::asprintf("%.3f", current * 32));
    cbDesativaCalib_->setChecked(v(kCalibrationDisabled) != 0);
    SetBox(ResistorBox, QString::fromStdString(NumberRules::FormatScaled(v(kResistor127), 2)));
    SetBox(SerialBox, QString::number(DeviceSerialNumber()));
}

void TFrameTesteCalibracao::Commit() {
    TCommitBatch batch(Session(), Prompts(), this, Text(ErrorSending, Language()));
    if (const auto index = rgModoTesteCalibracao_->ChosenIndex())
        batch.Write(kTestMode, *index);
    CommitCurrent(batch);
    // Only a click changes the flag: a device value other than 0 or 1 is kept while the box shows it.
    const bool disabled = cbDesativaCalib_->isChecked();
    if (disabled != (Session().FetchRegister(kCalibrationDisabled) != 0))
        batch.Write(kCalibrationDisabled, disabled ? 1 : 0);
    CommitResistor(batch);
    CommitSerial(batch);
    batch.Finish();
    FillControls();
}

void TFrameTesteCalibracao::CommitCurrent(TCommitBatch& batch) {
    if (!Changed(CurrentBox))
        return;
    const bool lowRange = LowRangeBoard();
    if (const auto raw = ServiceNumbers::ForcedCurrent(boxes_[CurrentBox]->text(), lowRange))
        batch.Write(kForcedCurrent, *raw);
    else
        batch.Invalid(Text(lowRange ? InvalidCurrentLowRange : InvalidCurrentStandard, Language()));
}

// A box has already lost the focus to the next control when its commit runs, so the commit itself
// must not take the focus from a box being entered. A click made while the current box has the
// focus leaves the box instead, which commits once and lets the refill show what the device took.
void TFrameTesteCalibracao::ClickCommit() {
    if (boxes_[CurrentBox]->hasFocus())
        background_->setFocus(Qt::OtherFocusReason);
    else
        CommitControls();
}

void TFrameTesteCalibracao::CommitResistor(TCommitBatch& batch) {
    if (!Changed(ResistorBox))
        return;
    if (const auto hundredths = kResistorRule.Parse(Std(boxes_[ResistorBox]->text())))
        batch.Write(kResistor127, *hundredths);
    else
        batch.Invalid(Text(InvalidResistor, Language()));
}

void TFrameTesteCalibracao::CommitSerial(TCommitBatch& batch) {
    if (!Changed(SerialBox))
        return;
    // Up to 31 bits: the device's top bit is not part of the number.
    const auto serial = NumberRules::ParseInteger(Std(boxes_[SerialBox]->text()));
    if (!serial || *serial < 0) {
        batch.Invalid(Text(InvalidSerialNumber, Language()));
        return;
    }
    const std::array<int, 2> words{*serial & 0xFFFF, *serial >> 16};
    batch.Write(kSerialNumber, words);
}

bool TFrameTesteCalibracao::SetTestMode(int on) {
    return Session().WriteRegister(kTestMode, on, true) &&
           Session().WriteRegister(kCalibrationDisabled, on, true) && Session().FlushWrites();
}

void TFrameTesteCalibracao::bbCalibrarSaidaCorrenteClick() {
    if (!SetTestMode(1)) {
        Prompts().Error(this, Text(ErrorSending, Language()));
        return;
    }
    OpenDialog<TFormCalibCorrente>();
    if (SetTestMode(0))
        FillControls();
    else
        Prompts().Error(this, Text(ErrorSending, Language()));
}

template <typename Dialog> void TFrameTesteCalibracao::OpenDialog() {
    Dialog dialog(Context(), Language(), this);
    ExecAt(dialog, 10, -10);
}

void TFrameTesteCalibracao::bbSimulaMedidasClick() {
    if (!simulation_)
        return;
    // Not modal: the screen stays usable while the window is open.
    simulation_->move(Corner(100, 100));
    simulation_->Prepare(Language());
    simulation_->show();
    simulation_->raise();
    simulation_->activateWindow();
}

void TFrameTesteCalibracao::bbLerParTesteClick() {
    if (!Session().ReadRegisters(kTestParameters, kTestParameterCount)) {
        Prompts().Error(this, Text(ErrorReadingTestParameter, Language()));
        return;
    }
    QStringList lines;
    for (int i = 0; i < kTestParameterCount; ++i)
        lines << QString("%1: %2").arg(i).arg(Session().FetchRegister(kTestParameters + i));
    ShowLines(lines);
}

// Each error is a signed 32-bit number, the low word first.
void TFrameTesteCalibracao::bbLerUltimosErrosClick() {
    if (!Session().ReadRegisters(kLastErrors, 2 * kLastErrorCount)) {
        Prompts().Error(this, Text(ErrorReadingTestParameter, Language()));
        return;
    }
    QStringList lines;
    for (int i = 0; i < kLastErrorCount; ++i) {
        const int reg = kLastErrors + 2 * i;
        const auto low = static_cast<std::uint32_t>(Session().FetchRegister(reg)) & 0xFFFFU;
        const auto high = static_cast<std::uint32_t>(Session().FetchRegister(reg + 1)) & 0xFFFFU;
        lines << QString("%1: %2").arg(i).arg(static_cast<std::int32_t>(low | high << 16));
    }
    ShowLines(lines);
}

void TFrameTesteCalibracao::ShowLines(const QStringList& lines) {
    TFormMemo memo(this);
    memo.setWindowTitle(QString());
    for (const QString& line : lines)
        memo.AddLine(line);
    ExecAt(memo, 50, 50);
}
