#include "ui/service/FormCalibRTDRegressao.h"

#include "link/EquipComm.h"
#include "model/Pt100.h"
#include "persistence/CalibrationRecord.h"
#include "ui/common/Widgets.h"

#include <QComboBox>
#include <QHBoxLayout>

namespace {

using namespace FormCalibRegressaoTexts;

constexpr int kRegulator = 2;
constexpr int kInputs = 6;
constexpr int kGains = 2540;
constexpr int kOffsets = 2560;
constexpr int kResistances = 2580; // hundredths of an ohm
constexpr int kCelsius = 1;        // cbUnidade

} // namespace

TFormCalibRTDRegressao::TFormCalibRTDRegressao(const TScreenContext& context, int language, QWidget* parent)
    : TFormCalibRegressao(context, language, {"bbAnteriorRTD", "pnRTD", "bbProximoRTD", 4}, parent),
      cbUnidade_(new QComboBox(this)) {
    setObjectName("FormCalibRTDRegressao");
    cbUnidade_->setObjectName("cbUnidade");
    cbUnidade_->addItems({"ohms", "ºC"});
    // Beside the expected value, before the row's stretch.
    ExpectedRow()->insertWidget(2, cbUnidade_);
    if (Regulator())
        HideNavigation();
    Prepare();
}

bool TFormCalibRTDRegressao::Regulator() const {
    return Session().Family() == kRegulator;
}

int TFormCalibRTDRegressao::InputCount() const {
    return Regulator() ? 1 : kInputs;
}

std::vector<TFormCalibRegressao::TBlock> TFormCalibRTDRegressao::CalibrationBlocks() const {
    const int count = 2 * InputCount();
    return {{kGains, count}, {kOffsets, count}};
}

TFormCalibRegressao::TBlock TFormCalibRTDRegressao::LiveBlock() const {
    return {kResistances, InputCount()};
}

TFormCalibRegressao::TRegisters TFormCalibRTDRegressao::Registers(int input) const {
    return {kGains + 2 * input, kOffsets + 2 * input, kResistances + input};
}

TCalibrationLine& TFormCalibRTDRegressao::RecordLine(int input) {
    return Context().calibration.rtds[static_cast<std::size_t>(input)];
}

QString TFormCalibRTDRegressao::Caption() const {
    return Text(CaptionRtd);
}

QString TFormCalibRTDRegressao::InputName(int input) const {
    return QString("RTD %1").arg(input + 1);
}

QString TFormCalibRTDRegressao::Heading(int column) const {
    switch (column) {
    case 1:
        return Text(Measured);
    case 2:
        return Text(ExpectedOhms);
    case 3:
        return Text(ExpectedCelsius);
    default:
        return {};
    }
}

QString TFormCalibRTDRegressao::LiveText(int raw) const {
    const double ohms = raw / 100.0;
    return QString::asprintf("%.2f ohms (%.2f ºC)", ohms, Pt100::Temperature(ohms));
}

QString TFormCalibRTDRegressao::CopyText(int raw) const {
    return QString::asprintf("%.3f", raw / 100.0);
}

double TFormCalibRTDRegressao::Expected(double typed) const {
    return cbUnidade_->currentIndex() == kCelsius ? Pt100::Resistance(typed) : typed;
}

void TFormCalibRTDRegressao::FillExtraCells(int row, double expected) {
    Widgets::SetCell(Grid(), row, 3, QString::asprintf("%.2f", Pt100::Temperature(expected)));
}
