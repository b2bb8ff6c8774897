#include "ui/families/Form_QEL880IRR_ManualTexts.h"

namespace Form_QEL880IRR_ManualTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption, {"Ciclo Manual", "Manual Cycle", "Ciclo Manual"}},
    {ManualCycle, {"Ciclo Manual", "Manual Cycle", "Ciclo Manual"}},
    {Branch, {"Ramal %1", "Branch %1", "Rama %1"}},
    {Duration, {"Duração (min)", "Duration (min)", "Duración (min)"}},
    {StartCycle, {"Iniciar Ciclo", "Start Cycle", "Empezar Ciclo"}},
    {StopCycle, {"Parar Ciclo", "Stop Cycle", "Parar Ciclo"}},
    {ManualControl, {"Controle Manual", "Manual Control", "Control Manual"}},
    {Pump, {"Bomba", "Pump", "Bomba"}},
    {ErrorSending,
     {"Erro no envio do comando", "Error sending the command", "Error en el envío del comando"}},
    {CommunicationError,
     {"Erro de comunicação com o equipamento", "Communication error", "Error de comunicacion"}},
    {InvalidNumber, {"Valor numérico inválido: ", "Invalid numeric value: ", "Valor numérico inválido: "}},
    {CommandSent, {"Comando enviado", "Command sent", "Comando enviado"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace Form_QEL880IRR_ManualTexts
