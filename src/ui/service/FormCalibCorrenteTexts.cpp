#include "ui/service/FormCalibCorrenteTexts.h"

namespace FormCalibCorrenteTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption,
     {"Calibração da Saída de Corrente", "Current Output Calibration",
      "Calibración de la Salida de Corriente"}},
    {CurrentOutput, {"Saída de Corrente", "Current Output", "Salida de Corriente"}},
    {OutputBoard, {"Placa de Saída", "Output Board", "Tablero de Salida"}},
    {NumberOfPoints,
     {"Número de pontos para regressão", "Number of points for regression",
      "Número de puntos para regresión"}},
    {HeadDesired, {"Corrente Desejada", "Desired Current", "Corriente Deseada"}},
    {HeadObtained, {"Corrente Obtida", "Obtained Current", "Corriente Medida"}},
    {SaveCalibration, {"Salvar Calibração", "Save Calibration", "Salvar Calibración"}},
    {Ok, {"OK", "OK", "OK"}},
    {Cancel, {"Cancelar", "Cancel", "Cancelar"}},
    {Present, {"Atual", "Current", "Actual"}},
    {Gain, {"Ganho:", "Gain:", "Ganancia:"}},
    {Offset, {"Offset:", "Offset:", "Offset:"}},
    {ErrorPoints,
     {"Número inválido de pontos. Deve ser um inteiro entre 2 e 20.",
      "Invalid number of points. It must be an integer between 2 and 20.",
      "Número inválido de puntos. Debe ser un entero entre 2 y 20."}},
    {ErrorCurrent, {"Valor de corrente inválida.", "Invalid current value.", "Valor de corriente inválido."}},
    {ErrorNumeric, {"Valor numérico inválido.", "Invalid numeric value.", "Valor numérico inválido."}},
    {ErrorDrive,
     {"Erro no comando da saída de corrente.", "Error sending the command to the device.",
      "Error en el comando de la salida de corriente."}},
    {ErrorSaving,
     {"Erro ao salvar a calibração.", "Error saving the calibration.", "Error al salvar la calibración."}},
    {Unsaved,
     {"A calibração calculada não foi salva no equipamento. Gostaria de salvar a calibração?",
      "The calibration was not saved on the device. Would you like to save the calibration?",
      "La calibración calculada no fue salvada en el equipo. ¿Le gustaría salvar la calibración?"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FormCalibCorrenteTexts
