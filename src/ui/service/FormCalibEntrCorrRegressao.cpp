#include "ui/service/FormCalibEntrCorrRegressao.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "persistence/CalibrationRecord.h"

#include <array>

namespace {

using namespace FormCalibRegressaoTexts;

constexpr int kRegulator = 2;
constexpr int kInputs = 3;
constexpr int kRegulatorInputs = 2;
constexpr int kGains = 2600;
constexpr int kOffsets = 2610;
constexpr int kReadings = 2650; // thousandths of an ampere; the regulator's voltage in tenths of a volt
constexpr int kVoltageGain = 2604;
constexpr int kVoltageOffset = 2614;
constexpr int kRegulatorMark = 2682; // a float the regulator expects with its current calibration
constexpr float kRegulatorMarkValue = 99.9f;

} // namespace

TFormCalibEntrCorrRegressao::TFormCalibEntrCorrRegressao(const TScreenContext& context, int language,
                                                         QWidget* parent)
    : TFormCalibRegressao(context, language, {"bbAnterior", "pnEntrada", "bbProximo", 3}, parent) {
    setObjectName("FormCalibEntrCorrRegressao");
    Prepare();
}

bool TFormCalibEntrCorrRegressao::Regulator() const {
    return Session().Family() == kRegulator;
}

bool TFormCalibEntrCorrRegressao::Voltage() const {
    return Regulator() && SelectedInput() == 1;
}

int TFormCalibEntrCorrRegressao::InputCount() const {
    return Regulator() ? kRegulatorInputs : kInputs;
}

std::vector<TFormCalibRegressao::TBlock> TFormCalibEntrCorrRegressao::CalibrationBlocks() const {
    return {{kGains, 2 * kInputs}, {kOffsets, 2 * kInputs}};
}

TFormCalibRegressao::TBlock TFormCalibEntrCorrRegressao::LiveBlock() const {
    return {kReadings, kInputs};
}

TFormCalibRegressao::TRegisters TFormCalibEntrCorrRegressao::Registers(int input) const {
    if (Regulator() && input == 1)
        return {kVoltageGain, kVoltageOffset, kReadings + 1};
    return {kGains + 2 * input, kOffsets + 2 * input, kReadings + input};
}

TCalibrationLine& TFormCalibEntrCorrRegressao::RecordLine(int input) {
    return Context().calibration.currentInputs[static_cast<std::size_t>(input)];
}

QString TFormCalibEntrCorrRegressao::Caption() const {
    return Text(CaptionCurrent);
}

QString TFormCalibEntrCorrRegressao::InputName(int input) const {
    return Text(Input) + " " + QString::number(input + 1);
}

QString TFormCalibEntrCorrRegressao::Heading(int column) const {
    switch (column) {
    case 1:
        return Text(Measured);
    case 2:
        return Text(Voltage() ? ExpectedVrms : ExpectedArms);
    default:
        return {};
    }
}

QString TFormCalibEntrCorrRegressao::LiveText(int raw) const {
    return Voltage() ? QString::asprintf("%.1f Vrms", raw / 10.0)
                     : QString::asprintf("%.3f Arms", raw / 1000.0);
}

QString TFormCalibEntrCorrRegressao::CopyText(int raw) const {
    return Voltage() ? QString::asprintf("%.1f", raw / 10.0) : QString::asprintf("%.3f", raw / 1000.0);
}

bool TFormCalibEntrCorrRegressao::SendExtra() {
    if (!Regulator() || SelectedInput() != 0)
        return true;
    const auto [low, high] = NumberRules::WordsFromFloat(kRegulatorMarkValue);
    const std::array<int, 2> words{low, high};
    return Session().WriteRegisters(kRegulatorMark, words, true, true);
}
