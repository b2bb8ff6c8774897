#include "ui/general/FrameConfGeralTexts.h"

namespace FrameConfGeralTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Indication, {"Indicação", "Indication", "Indicación"}},
    {IndicationTemperature, {"Temperatura", "Temperature", "Temperatura"}},
    {IndicationQuantity, {"Grandeza", "Physical Quandity", "Magnitud"}},
    {IndicationPercent, {"Porcentagem", "Percentage", "Porcentaje"}},
    {Frequency, {"Frequência de Operação", "Operation Frequency", "Frecuencia de Operación"}},
    {HeadingRtd, {"RTD", "RTD", "RTD"}},
    {HeadingTemperature, {"Temp. (ºC)", "Temp. (ºC)", "Temp. (ºC)"}},
    {HeadingResistance, {"Resist. (ohms)", "Resist. (ohms)", "Resist. (ohms)"}},
    {HeadingWinding, {"Enr.", "Wind.", "Devan."}},
    {HeadingCurrent, {"Corrente (A)", "Current (A)", "Corriente (A)"}},
    {HeadingCurrentPercent, {"Corrente (%)", "Current (%)", "Corriente (%)"}},
    {RelayName, {"Nome do relé %1", "Name of relay %1", "Nombre del relé %1"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameConfGeralTexts
