#include "ui/shared/FrameConfSaidaCorrenteTexts.h"

namespace FrameConfSaidaCorrenteTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Scale, {"Escala", "Scale", "Escala"}},
    {ScaleFixed, {"Escala: 0 - 1 mA", "Scale: 0 - 1 mA", "Escala: 0 - 1 mA"}},
    {FullScale, {"Fundo de Escala", "Full Scale", "Fondo de Escala"}},
    {VoltageFullScale, {"Fundo de Escala Tensão", "Voltage Full Scale", "Fondo de Escala Tensión"}},
    {CurrentFullScale, {"Fundo de Escala Corrente", "Current Full Scale", "Fondo de Escala Corriente"}},
    {ChannelOfOutput,
     {"Canal Associado à Saída %1", "Channel Associated to Output %1", "Canal Asociado a la Salida %1"}},
    {Oil, {"Óleo", "Oil", "Oleo"}},
    {WindingPrefix, {"Enrolamento ", "Winding ", "Devanado "}},
    {VoltageChannel, {"TP", "PT", "TP"}},
    {CurrentChannel, {"TC", "CT", "TC"}},
    {TapChannel, {"TAP", "TAP", "TAP"}},
    {InvalidFullScale,
     {"Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255.",
      "Invalid Full Scale. It must be an integer between 0 and 255.",
      "Valor inválido en el Fondo de Escala. Debe ser un entero entre 0 y 255."}},
    {InvalidCurrentFullScale,
     {"Valor inválido no Fundo de Escala de Corrente. Deve ser um valor entre 1.0A e 10.0A.",
      "Invalid Current Full Scale. It must be a value between 1.0A and 10.0A.",
      "Valor inválido en el Fondo de Escala de Corriente. Debe ser un valor entre 1.0A y 10.0A."}},
    {ErrorSending,
     {"Erro no envio do comando.", "Error sending the command.", "Error en el envío del comando."}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameConfSaidaCorrenteTexts
