#include "ui/general/FrameConfGeral_QEL880C.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/SharedRegisters.h"
#include "model/TapPosition.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/Widgets.h"
#include "ui/general/FrameConfGeral_QEL880CTexts.h"
#include "ui/general/RelayLamps.h"

#include <QGridLayout>
#include <QLabel>
#include <QTableWidget>

namespace {

using namespace FrameConfGeral_QEL880CTexts;
using Widgets::SetCell;

constexpr int kStyle = 703;
constexpr int kReference = 704;
constexpr int kMeasurementKind = 707; // 2 and above: no position to indicate
constexpr int kPosition = 1015;
constexpr int kResistance = 1016;
constexpr int kCurrent = 1017;
constexpr int kOutputs = 1100;
constexpr int kFailures = 1965;

} // namespace

TFrameConfGeral_QEL880C::TFrameConfGeral_QEL880C(const TScreenContext& context, QWidget* parent)
    : TGeneralScreen(context, Family::kPositionIndicator, parent) {
    setObjectName("FrameConfGeral_QEL880C");
    BuildReadings();
    ApplyLanguage(0);
}

void TFrameConfGeral_QEL880C::BuildReadings() {
    Body()->addWidget(LanguageGroup(), 0, 0);
    sgMedidas_ = Widgets::Grid("sgMedidas", 6, 2, {90, 240}, Background());
    Body()->addWidget(sgMedidas_, 1, 0, Qt::AlignTop);
    relays_ = new TRelayLamps(Background());
    Body()->addWidget(relays_, 2, 0);
}

QString TFrameConfGeral_QEL880C::OwnText(int id) const {
    return FrameConfGeral_QEL880CTexts::Text(static_cast<TId>(id), Language());
}

int TFrameConfGeral_QEL880C::v(int reg) const {
    return Session().FetchRegister(reg);
}

void TFrameConfGeral_QEL880C::AfterInitialReads() {
    emit currentOutputButtonShown(true);
}

QString TFrameConfGeral_QEL880C::IndicationText() const {
    if (v(kMeasurementKind) >= 2)
        return {};
    // A style the device does not have shows nothing rather than a position gone stale.
    const auto text = TapPosition::Text(v(kStyle), v(kPosition), v(kReference));
    return text ? QString::fromStdString(*text) : QString();
}

QString TFrameConfGeral_QEL880C::FailureText() const {
    const int bits = v(kFailures);
    // The highest of bits 0..3 speaks for them all.
    for (int bit = 3; bit >= 0; --bit) {
        if (bits & (1 << bit))
            return OwnText(FailureMeasurement + bit);
    }
    return OwnText(NoFailure);
}

void TFrameConfGeral_QEL880C::RetranslateReadings() {
    SetCell(sgMedidas_, 0, 1, OwnText(HeadingMeasure));
    const TId rows[] = {RowResistance, RowCurrent, RowPosition, RowIndication, RowFailure};
    for (int r = 0; r < 5; ++r)
        SetCell(sgMedidas_, r + 1, 0, OwnText(rows[r]));
    const char* const same[] = {"EA", "EB", "EC", "ED", "ZA", "ZB"};
    for (int n = 1; n <= 6; ++n)
        relays_->Caption(n)->setText(same[n - 1]);
    const TId outputs[] = {OutputMinPosition, OutputMaxPosition, OutputFailure, OutputPowerFailure};
    for (int n = 7; n <= 10; ++n)
        relays_->Caption(n)->setText(OwnText(outputs[n - 7]));
    if (Session().IsConnected())
        FillControls();
}

void TFrameConfGeral_QEL880C::FillReadings(bool connected) {
    if (!connected) {
        for (int r = 1; r < 6; ++r)
            SetCell(sgMedidas_, r, 1, {});
        relays_->Clear();
        return;
    }
    SetCell(sgMedidas_, 1, 1, QString::asprintf("%.1f ohms", v(kResistance) / 10.0));
    SetCell(sgMedidas_, 2, 1, QString::asprintf("%.3f mA", v(kCurrent) / 1000.0));
    SetCell(sgMedidas_, 3, 1, QString::number(v(kPosition)));
    SetCell(sgMedidas_, 4, 1, IndicationText());
    SetCell(sgMedidas_, 5, 1, FailureText());
    for (int n = 1; n <= TRelayLamps::kRelays; ++n)
        relays_->Show(n, v(kOutputs - 1 + n) != 0);
}
