#include "ui/general/FrameConfGeral_QEL880IRR.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "persistence/Cp1252.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/families/Form_QEL880IRR_Manual.h"
#include "ui/general/FrameConfGeral_QEL880IRRTexts.h"
#include "ui/general/RelayIndicator.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace FrameConfGeral_QEL880IRRTexts;
using Widgets::SetCell;

constexpr int kStatus = 1001;
constexpr int kInputs = 1008;
constexpr int kPressure = 1009;
constexpr int kStatusCell = 1010;
constexpr int kTemperature = 1011;
constexpr int kOutputs = 1100;
constexpr int kWaterInvert = 213;
constexpr int kPressostatInvert = 214;
constexpr int kWaterInputBit = 7;
constexpr int kPressostatInputBit = 8;
constexpr int kInputCount = 11;
constexpr int kStatusBits = 6;
constexpr int kRows = 7;

constexpr int kResetHydrometer = 1100;
constexpr int kResetPluviometer = 1101;
constexpr int kUnblock = 1120;
constexpr int kEmergency = 1140;

// Outputs 2..6 are the branch valves, named by the user; the others carry a fixed caption.
constexpr bool IsBranch(std::size_t i) {
    return i >= 1 && i <= 5;
}

} // namespace

TFrameConfGeral_QEL880IRR::TFrameConfGeral_QEL880IRR(const TScreenContext& context, QWidget* parent)
    : TGeneralScreen(context, Family::kIrrigation, parent),
      commitFilter_(new TCommitFilter(
          Background(), [this] { CommitControls(); }, this)) {
    setObjectName("FrameConfGeral_QEL880IRR");
    BuildReadings();
    ApplyLanguage(0);
}

void TFrameConfGeral_QEL880IRR::BuildReadings() {
    Body()->addWidget(LanguageGroup(), 0, 0);
    sgMedidas_ = Widgets::Grid("sgMedidas", 10, 2, {160, 500}, Background());
    Body()->addWidget(sgMedidas_, 1, 0, Qt::AlignTop);

    auto* commands = new QHBoxLayout;
    bbManual_ = Widgets::Button("bbManual", Background());
    connect(bbManual_, &QPushButton::clicked, this, [this] {
        // Not inside a tick's wait: the dialog's own reads would find the link busy.
        if (!Session().IsConnected() || Ticking())
            return;
        // The dialog polls on its own meanwhile.
        Timer()->stop();
        TForm_QEL880IRR_Manual dialog(Session(), Language(), Prompts(), this);
        ExecAt(dialog, 50, 50);
        if (isVisible())
            Timer()->start();
    });
    bbResetHydrometer_ = Widgets::Button("bbResetHydrometer", Background());
    bbResetPluviometer_ = Widgets::Button("bbResetPluviometer", Background());
    bbUnblockSystem_ = Widgets::Button("bbUnblockSystem", Background());
    bbEmergency_ = Widgets::Button("bbEmergency", Background());
    const std::pair<QPushButton*, int> buttons[] = {{bbResetHydrometer_, kResetHydrometer},
                                                    {bbResetPluviometer_, kResetPluviometer},
                                                    {bbUnblockSystem_, kUnblock},
                                                    {bbEmergency_, kEmergency}};
    commands->addWidget(bbManual_);
    for (const auto& [button, code] : buttons) {
        commands->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, code = code] { SendCommandAndSay(code); });
    }
    Body()->addLayout(commands, 2, 0);
    Body()->addWidget(BuildOutputs(), 3, 0);
}

QWidget* TFrameConfGeral_QEL880IRR::BuildOutputs() {
    auto* box = new QWidget(Background());
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        // The water and pressure inputs show a lamp only.
        auto* output = new TRelayIndicator(n, n != 8 && n != 9, box);
        if (IsBranch(i)) {
            auto* name = new QLineEdit(output);
            name->setObjectName(QStringLiteral("edRele%1").arg(n));
            name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QStringLiteral("Ramal 5 Pomar")) +
                                  16);
            commitFilter_->Watch(name);
            output->AddBeside(name, 1);
            edRele_[i] = name;
        } else {
            auto* caption = new QLabel(output);
            caption->setObjectName(QStringLiteral("lblRele%1").arg(n));
            output->AddBeside(caption, 1);
            lblRele_[i] = caption;
        }
        // Outputs 1, 3, 5, 7, 9 above; 2, 4, 6, 8, 10 below.
        grid->addWidget(output, static_cast<int>(i % 2), static_cast<int>(i / 2));
        outputs_[i] = output;
    }
    return box;
}

void TFrameConfGeral_QEL880IRR::RetranslateReadings() {
    auto t = [l = Language()](TId id) { return FrameConfGeral_QEL880IRRTexts::Text(id, l); };
    for (int row = 1; row <= kRows; ++row)
        SetCell(sgMedidas_, row, 0, t(static_cast<TId>(RainGauge + row - 1)));
    bbManual_->setText(t(Manual));
    bbResetHydrometer_->setText(t(ResetHydrometer));
    bbResetPluviometer_->setText(t(ResetPluviometer));
    bbUnblockSystem_->setText(t(UnblockSystem));
    bbEmergency_->setText(t(Emergency));
    const std::pair<std::size_t, TId> captions[] = {
        {0, OutputPump}, {6, OutputBlock}, {7, OutputWater}, {8, OutputPressure}, {9, OutputFailure}};
    for (const auto& [i, id] : captions)
        lblRele_[i]->setText(t(id));
    // No caption beside a branch's name: its lamp and picture show which output it is.
    for (std::size_t i = 0; i < edRele_.size(); ++i) {
        if (edRele_[i])
            edRele_[i]->setAccessibleName(t(BranchName).arg(i + 1));
    }
}

void TFrameConfGeral_QEL880IRR::FillReadings(bool connected) {
    ShowNames(connected);
    if (!connected) {
        for (int row = 1; row <= kRows; ++row)
            SetCell(sgMedidas_, row, 1, {});
        for (TRelayIndicator* output : outputs_)
            output->Clear();
        return;
    }
    FillMeasures();
    FillOutputs();
}

void TFrameConfGeral_QEL880IRR::ShowNames(bool connected) {
    const TProgramMainConf& settings = Context().settings;
    for (std::size_t i = 0; i < outputs_.size(); ++i) {
        if (lblRele_[i])
            lblRele_[i]->setVisible(connected);
        QLineEdit* name = edRele_[i];
        if (!name)
            continue;
        name->setVisible(connected);
        name->setEnabled(connected);
        if (connected && !name->hasFocus())
            name->setText(Cp1252::ToUnicode(settings.irrigationNames[i]));
    }
}

void TFrameConfGeral_QEL880IRR::FillMeasures() {
    const TRegisterImage& image = Session().Image();
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    auto counter = [&image](TGroup group) { return static_cast<std::uint32_t>(image.Cell(group)); };
    SetCell(sgMedidas_, 1, 1, QString::asprintf("%.1f mm/m2", counter(TGroup::RainGauge) / 10.0));
    SetCell(sgMedidas_, 2, 1, QString::number(counter(TGroup::WaterMeter)) + " l");
    SetCell(sgMedidas_, 3, 1, QString::number(counter(TGroup::LastCycleWater)) + " l");
    SetCell(sgMedidas_, 4, 1, QString::asprintf("%.1f bar", v(kPressure) / 10.0));
    QString inputs;
    for (int n = 1; n <= kInputCount; ++n)
        inputs += QString::asprintf("%d: %d  ", n, (v(kInputs) >> (n - 1)) & 1);
    SetCell(sgMedidas_, 5, 1, inputs);
    const int temperature = v(kTemperature);
    // 0 and 65535: no sensor fitted.
    SetCell(sgMedidas_, 6, 1,
            temperature == 0 || temperature == 0xFFFF
                ? QStringLiteral("-----")
                : QString::asprintf("%.1f ºC", (temperature - 1500) / 10.0));
    QString status;
    for (int bit = 0; bit < kStatusBits; ++bit)
        if (v(kStatus) & (1 << bit))
            status += FrameConfGeral_QEL880IRRTexts::Text(static_cast<TId>(StatusNoWater + bit), Language());
    if (status.isEmpty() && (v(kStatusCell) & 1))
        status = FrameConfGeral_QEL880IRRTexts::Text(NoActiveValve, Language());
    if (status.isEmpty())
        status = FrameConfGeral_QEL880IRRTexts::Text(SystemOk, Language());
    SetCell(sgMedidas_, 7, 1, status);
}

void TFrameConfGeral_QEL880IRR::FillOutputs() {
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    for (std::size_t i = 0; i < outputs_.size(); ++i)
        outputs_[i]->ShowState(v(kOutputs + static_cast<int>(i)) != 0);
    // The water and pressure lamps show their inputs as the device reads them, polarity included.
    const int inputs = v(kInputs);
    outputs_[7]->SetLamp(((inputs >> kWaterInputBit) & 1) != (v(kWaterInvert) != 0 ? 1 : 0));
    outputs_[8]->SetLamp(((inputs >> kPressostatInputBit) & 1) != (v(kPressostatInvert) != 0 ? 1 : 0));
}

void TFrameConfGeral_QEL880IRR::CommitReadings(TCommitBatch& /*batch*/) {
    TProgramMainConf& settings = Context().settings;
    bool changed = false;
    for (std::size_t i = 0; i < edRele_.size(); ++i) {
        if (!edRele_[i])
            continue;
        const std::string name = Cp1252::FromUnicode(edRele_[i]->text());
        changed = changed || name != settings.irrigationNames[i];
        settings.irrigationNames[i] = name;
    }
    if (changed)
        settings.Save(); // nothing is written at exit
}

void TFrameConfGeral_QEL880IRR::SayLinkLost() {
    Prompts().Error(this, FrameConfGeral_QEL880IRRTexts::Text(DeviceDisconnected, Language()));
}
