#include "ui/general/FrameConfGeral_QEL880IRRTexts.h"

namespace FrameConfGeral_QEL880IRRTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {RainGauge, {"Pluviometro", "Pluviometer", "Pluviómetro"}},
    {WaterMeter, {"Hidrometro Acuml", "Accum Hydrometer", "Hidrómetro Acuml"}},
    {LastCycleWater, {"Hidrometro Ultim Ciclo", "Last Cycle Hydrometer", "Hidrómetro Último Ciclo"}},
    {Pressure, {"Pressão", "Pressure", "Presión"}},
    {DigitalInputs, {"Dig In", "Dig In", "Ent. Dig."}},
    {Temperature, {"Temperatura", "Temperature", "Temperatura"}},
    {SystemStatus, {"Estado Sistema", "System Status", "Estado Sistema"}},
    {Manual, {"Ciclo/Controle Manual", "Manual Cycle/Control", "Ciclo/Control Manual"}},
    {ResetHydrometer, {"Zerar Hidrometro", "Reset Hydrometer", "Poner a Cero Hidrómetro"}},
    {ResetPluviometer, {"Zerar Pluviometro", "Reset Pluviometer", "Poner a Cero Pluviómetro"}},
    {UnblockSystem, {"Desbloquear Sistema", "Unblock System", "Desbloquear Sistema"}},
    {Emergency, {"Aciona Emergência", "Trigger Emergency", "Activar Emergencia"}},
    {OutputPump, {"Bomba", "Pump", "Bomba"}},
    {OutputBlock, {"Bloqueio", "Block", "Bloqueo"}},
    {OutputWater, {"Água", "Water", "Agua"}},
    {OutputPressure, {"Pressostato", "Pressure", "Presostato"}},
    {OutputFailure, {"Falha", "Failure", "Falla"}},
    {StatusNoWater, {">Sem água<", ">No water<", ">Sin agua<"}},
    {StatusRainAboveLimit, {">Pluviômetro acima lim<", ">Pluviometer above lim<", ">Pluviómetro sobre lím<"}},
    {StatusPressureHigh, {">Pressão alta<", ">Pressure too high<", ">Presión alta<"}},
    {StatusPressureLow, {">Pressão baixa<", ">Pressure too low<", ">Presión baja<"}},
    {StatusWaterAboveLimit, {">Hidrômetro acima lim<", ">Hydrometer above lim<", ">Hidrómetro sobre lím<"}},
    {StatusEmergency, {">Emergência<", ">Emergency<", ">Emergencia<"}},
    {NoActiveValve, {"Nenhuma válvula acionada", "No active valve", "Ninguna válvula accionada"}},
    {SystemOk, {"Sistema OK", "System OK", "Sistema OK"}},
    {DeviceDisconnected, {"Equipamento desconectado", "Device disconnected", "Equipo desconectado"}},
    {BranchName, {"Nome da saída %1", "Name of output %1", "Nombre de la salida %1"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameConfGeral_QEL880IRRTexts
