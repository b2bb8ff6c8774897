#include "ui/general/FrameConfGeral_QEL880P.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/SharedRegisters.h"
#include "persistence/EventLog.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/general/FrameConfGeral_QEL880PTexts.h"
#include "ui/general/GeneralScreenTexts.h"
#include "ui/general/RelayLamps.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

using namespace FrameConfGeral_QEL880PTexts;
using Widgets::SetCell;

constexpr int kBusAddress = SharedRegisters::kBusAddress;
constexpr int kPosition = 501;
constexpr int kExpectedPosition = 521;
constexpr int kMode = 541;
constexpr int kErrorWords = 1960; // communication, configuration, position, synchronism, internal
constexpr int kManualRelay = 603;
constexpr int kRaise = 1000;
constexpr int kLower = 1003;
constexpr int kReloadRetryMs = 200;

// Where the texts of each error word's bits start, and how many bits it has.
constexpr std::pair<TId, int> kErrorBits[] = {{ErrorNoAnswer, 2},
                                              {ErrorSeveralModes, 7},
                                              {ErrorMeasurement, 2},
                                              {ErrorPositionSelf, 2},
                                              {ErrorOscillator, 1}};

} // namespace

TFrameConfGeral_QEL880P::TFrameConfGeral_QEL880P(const TScreenContext& context, QWidget* parent)
    : TGeneralScreen(context, Family::kParallelism, parent) {
    setObjectName("FrameConfGeral_QEL880P");
    BuildReadings();
    ApplyLanguage(0);
}

void TFrameConfGeral_QEL880P::BuildReadings() {
    auto* commands = new QHBoxLayout;
    bbPosicaoUp_ = Widgets::Button("bbPosicaoUp", Background());
    bbPosicaoDown_ = Widgets::Button("bbPosicaoDown", Background());
    commands->addWidget(LanguageGroup(), 1);
    commands->addWidget(bbPosicaoUp_);
    commands->addWidget(bbPosicaoDown_);
    Body()->addLayout(commands, 0, 0);
    sgMedidas_ = Widgets::Grid("sgMedidas", 9, 2, {120, 500}, Background());
    Body()->addWidget(sgMedidas_, 1, 0, Qt::AlignTop);
    relays_ = new TRelayLamps(Background());
    Body()->addWidget(relays_, 2, 0);
    connect(bbPosicaoUp_, &QPushButton::clicked, this, [this] { bbPosicaoClick(kRaise); });
    connect(bbPosicaoDown_, &QPushButton::clicked, this, [this] { bbPosicaoClick(kLower); });
}

QString TFrameConfGeral_QEL880P::OwnText(int id) const {
    return FrameConfGeral_QEL880PTexts::Text(static_cast<TId>(id), Language());
}

int TFrameConfGeral_QEL880P::v(int reg) const {
    return Session().FetchRegister(reg);
}

int TFrameConfGeral_QEL880P::Unit() const {
    return Connection().Facts().unit;
}

void TFrameConfGeral_QEL880P::AfterConfLoaded() {
    // The file may have moved the unit to another place in its group.
    if (!Session().ReadRegisters(kBusAddress, 1)) {
        EventLog::PauseHandlingEvents(kReloadRetryMs);
        Session().ReadRegisters(kBusAddress, 1);
    }
}

QString TFrameConfGeral_QEL880P::ModeName(int mode) const {
    const TId names[] = {ModeMaster, ModeCommanded, ModeIndividual, ModeOff};
    return OwnText(mode >= 0 && mode < 4 ? names[mode] : ModeUnknown);
}

QString TFrameConfGeral_QEL880P::ErrorText(int word) const {
    const auto [first, bits] = kErrorBits[word];
    const int value = v(kErrorWords + word);
    QStringList texts;
    for (int bit = 0; bit < bits; ++bit) {
        if (value & (1 << bit))
            texts << OwnText(first + bit);
    }
    return texts.isEmpty() ? OwnText(NoError) : texts.join("; ");
}

void TFrameConfGeral_QEL880P::FillFunctions() {
    const TId names[] = {FunctionConfiguration, FunctionCommunication, FunctionMeasurement,
                         FunctionSynchronism, FunctionNormal};
    for (int relay : {7, 8, 9}) {
        // Relays 7, 8 and 9 have their function in 121, 141 and 161 + u; two values per function.
        const int function = v(121 + 20 * (relay - 7) + Unit());
        if (function >= 0 && function <= 9)
            relays_->Caption(relay)->setText(OwnText(names[function / 2]));
    }
}

void TFrameConfGeral_QEL880P::RetranslateReadings() {
    const TId rows[] = {RowCurrentPosition,    RowExpectedPosition,   RowMode,
                        RowCommunicationError, RowConfigurationError, RowPositionError,
                        RowSynchronismError,   RowInternalError};
    for (int r = 0; r < 8; ++r)
        SetCell(sgMedidas_, r + 1, 0, OwnText(rows[r]));
    bbPosicaoUp_->setText(OwnText(PositionUp));
    bbPosicaoDown_->setText(OwnText(PositionDown));
    const std::pair<int, TId> captions[] = {{1, RelayRise},    {2, RelayLower},     {3, RelayManual},
                                            {4, RelayMaster},  {5, RelayCommanded}, {6, RelayIndividual},
                                            {10, RelayFailure}};
    for (const auto& [relay, id] : captions)
        relays_->Caption(relay)->setText(OwnText(id));
    if (Session().IsConnected())
        FillControls();
}

void TFrameConfGeral_QEL880P::FillReadings(bool connected) {
    relays_->SetCaptionsVisible(connected);
    if (!connected) {
        for (int r = 1; r < 9; ++r)
            SetCell(sgMedidas_, r, 1, {});
        relays_->Clear();
        return;
    }
    SetCell(sgMedidas_, 1, 1, QString::number(v(kPosition + Unit())));
    SetCell(sgMedidas_, 2, 1, QString::number(v(kExpectedPosition + Unit())));
    SetCell(sgMedidas_, 3, 1, ModeName(v(kMode + Unit())));
    for (int word = 0; word < 5; ++word)
        SetCell(sgMedidas_, 4 + word, 1, ErrorText(word));
    for (int n = 1; n <= TRelayLamps::kRelays; ++n)
        relays_->Show(n, v(600 + n) != 0);
    FillFunctions();
}

void TFrameConfGeral_QEL880P::bbPosicaoClick(int command) {
    if (!Session().IsConnected())
        return;
    // Checked on what the device holds now, at the place it holds now (a move or a file may have
    // changed it since the last poll); a refused command sends nothing.
    if (!Session().ReadRegisters(kBusAddress, 1)) {
        Prompts().Error(this, Text(GeneralScreenTexts::ErrorSending));
        return;
    }
    const int unit = v(kBusAddress);
    if (unit < 0 || unit >= TFamilyProfile::kUnits) {
        Prompts().Error(this, Text(GeneralScreenTexts::BadUnitIndex).arg(unit));
        return;
    }
    TReadBatch batch(Session());
    batch.Add(kMode + unit).Add(kManualRelay).Add(kErrorWords, 4);
    if (!batch.Flush()) {
        Prompts().Error(this, Text(GeneralScreenTexts::ErrorSending));
        return;
    }
    const int mode = v(kMode + unit);
    if (mode != 0 && mode != 2) {
        Prompts().Error(this, OwnText(NotMasterOrIndividual));
        return;
    }
    if (v(kManualRelay) == 0) {
        Prompts().Error(this, OwnText(AutomaticMode));
        return;
    }
    // The internal error word does not block a command.
    for (int word = 0; word < 4; ++word) {
        if (v(kErrorWords + word) != 0) {
            Prompts().Error(this, OwnText(ErrorActive));
            return;
        }
    }
    SendCommandAndSay(command);
}
