#include "ui/general/FrameConfGeral_QEL880CTexts.h"

namespace FrameConfGeral_QEL880CTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {HeadingMeasure, {"Medida", "Measure", "Medida"}},
    {RowResistance, {"Resistência", "Resistance", "Resistencia"}},
    {RowCurrent, {"Corrente", "Current", "Corriente"}},
    {RowPosition, {"Posição", "Position", "Posición"}},
    {RowIndication, {"Indicação", "Indication", "Indicación"}},
    {RowFailure, {"Falha", "Failure", "Falla"}},
    {FailureMeasurement, {"Erro na medida", "Measurement error", "Error en la medida"}},
    {FailureDisconnected, {"Medida desconectada", "Measurement disconnected", "Medida desconectada"}},
    {FailureAboveLast,
     {"Posição acima do número de posições", "Position above number of positions",
      "Posición arriba del número de posiciones"}},
    {FailureWaiting,
     {"Aguardando timeout da falha anterior", "Waiting timeout of previous failure",
      "Esperando timeout de la falla anterior"}},
    {NoFailure, {"Sem falha", "No failure", "Sin falla"}},
    {OutputMinPosition, {"Pos. Min.", "Min. Pos.", "Pos. Mín."}},
    {OutputMaxPosition, {"Pos. Max.", "Max. Pos.", "Pos. Máx."}},
    {OutputFailure, {"Falha", "Failure", "Falla"}},
    {OutputPowerFailure, {"Falha Aliment.", "Power Failure", "Falla Aliment."}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameConfGeral_QEL880CTexts
