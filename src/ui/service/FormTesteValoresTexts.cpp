#include "ui/service/FormTesteValoresTexts.h"

namespace FormTesteValoresTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption, {"Testes", "Tests", "Pruebas"}},
    {Activate, {"Ativa teste de medida", "Activate measure test", "Activa prueba de medida"}},
    {SendButton, {"Envia", "Send", "Envía"}},
    {Send2Button, {"Envia 2", "Send 2", "Envía 2"}},
    {Units, {"RTDs em ohms, Corrente em A", "RTDs in ohms, Current in A", "RTDs en ohms, Corriente en A"}},
    {InvalidValue, {"Valor inválido: ", "Invalid value: ", "Valor inválido: "}},
    {RowCurrent1, {"Corr1", "Curr1", "Corr1"}},
    {RowCurrent2, {"Corr2", "Curr2", "Corr2"}},
    {RowCurrent3, {"Corr3", "Curr3", "Corr3"}},
    {RowPosition, {"Posic", "Posit", "Posic"}},
    {RowSecondaryVoltage, {"V Sec", "V Sec", "V Sec"}},
    {RowSecondaryCurrent, {"I Sec", "I Sec", "I Sec"}},
    {RowLag, {"Defas", "Lag", "Retras"}},
    {RowTemperature, {"Temp", "Temp", "Temp"}},
    {RowDigitalInputs, {"Dig In", "Dig In", "Dig In"}},
    {RowPressure, {"Press", "Press", "Pres"}},
    {RowPeriod, {"Period", "Period", "Periodo"}},
    {RowCurrent, {"Corr", "Curr", "Corr"}},
    {RowCurrentMin, {"CorrMin", "CurrMin", "CorrMin"}},
    {RowCurrentMax, {"CorrMax", "CurrMax", "CorrMax"}},
    {RowRelays, {"Reles", "Relays", "Relés"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FormTesteValoresTexts
