#include "ui/service/FormCalibRTDTexts.h"

namespace FormCalibRTDTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption, {"Calibração dos RTDs", "RTD Calibration", "Calibración de RTD"}},
    {HeadRtd, {"RTD", "RTD", "RTD"}},
    {HeadGain, {"Ganho", "Gain", "Ganancia"}},
    {HeadOffset, {"Offset", "Offset", "Offset"}},
    {HeadBefore, {"Antes Calib.", "Before Calib.", "Antes Calib."}},
    {HeadAfter, {"Depois Calib.", "After Calib.", "Después Calib."}},
    {ErrorNumeric, {"Valor numérico inválido.", "Invalid numeric value.", "Valor numérico inválido."}},
    {ErrorGain,
     {"Valor de ganho inválido. Deve ser um valor entre 0.5 e 1.5.",
      "Invalid gain. It must be a value between 0.5 and 1.5.",
      "Ganancia inválida. Deve ser un valor entre 0.5 y 1.5."}},
    {ErrorOffset,
     {"Valor de offset inválido. Deve ser um valor entre -10.0 e 10.0.",
      "Invalid offset. It must be a value between -10.0 and 10.0.",
      "Offset inválido. Debe ser un valor entre -10.0 y 10.0."}},
    {ErrorSending,
     {"Erro no envio da configuração para o equipamento.", "Error sending the configuration to the device.",
      "Error en el envío de la configuración al equipo."}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FormCalibRTDTexts
