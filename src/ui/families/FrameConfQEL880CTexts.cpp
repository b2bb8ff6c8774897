#include "ui/families/FrameConfQEL880CTexts.h"

namespace FrameConfQEL880CTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {MeasurementMode, {"Modo de Leitura", "Measurement Mode", "Modo de Lectura"}},
    {Resistance, {"Resistência", "Resistance", "Resistencia"}},
    {Current, {"Corrente", "Current", "Corriente"}},
    {TapChanger, {"Comutador", "Tap Changer", "Cambiador"}},
    {ResistancePerPosition,
     {"Resistência por Posição (ohm)", "Resistance per Position (ohm)", "Resistencia por Posición (ohm)"}},
    {Positions, {"Num. Posições", "Num. Pos.", "Núm. Posiciones"}},
    {MinPosition, {"Pos. Min.", "Min. Pos.", "Pos. Mín."}},
    {MaxPosition, {"Pos. Max.", "Max. Pos.", "Pos. Máx."}},
    {NeutralPosition, {"Pos. Neutra", "Neutral Pos.", "Pos. Neutra"}},
    {ErrorResistance,
     {"Valor de Resistência por Posição inválido. Deve ser um valor entre 3.0 e 20.0.",
      "Invalid Resistance per Position value. It must be a value between 3.0 and 20.0.",
      "Valor de Resistencia por Posición inválido. Debe ser un valor entre 3.0 y 20.0."}},
    {ErrorPositions,
     {"Número de posições inválido. Deve ser um inteiro entre 2 e 50.",
      "Invalid Number of Positions. It must be an integer between 2 and 50.",
      "Número de posiciones inválido. Debe ser un entero entre 2 y 50."}},
    {ErrorMinPosition,
     {"Posição Mínima inválida. Deve ser um inteiro entre 1 e 50.",
      "Invalid Min. Position. It must be an integer between 1 and 50.",
      "Posición Mínima inválida. Debe ser un entero entre 1 y 50."}},
    {ErrorMaxPosition,
     {"Posição Máxima inválida. Deve ser um inteiro entre 1 e 50.",
      "Invalid Max. Position. It must be an integer between 1 and 50.",
      "Posición Máxima inválida. Debe ser un entero entre 1 y 50."}},
    {ErrorSending,
     {"Erro no envio do comando.", "Error sending the command.", "Error en el envío del comando."}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameConfQEL880CTexts
