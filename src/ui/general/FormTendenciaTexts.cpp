#include "ui/general/FormTendenciaTexts.h"

namespace FormTendenciaTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Caption, {"Tendência", "Trend", "Tendencia"}},
    {Pause, {"Pausar", "Pause", "Pausar"}},
    {ExportCsv, {"Exportar CSV", "Export CSV", "Exportar CSV"}},
    {SaveTitle, {"Exportar Tendência", "Export Trend", "Exportar Tendencia"}},
    {Filter, {"Arquivo CSV (*.csv)|*.csv", "CSV file (*.csv)|*.csv", "Archivo CSV (*.csv)|*.csv"}},
    {ErrorSaving,
     {"Erro ao gravar o arquivo.", "Error writing the file.", "Error al grabar el archivo."}},
    {Exported, {"Tendência exportada.", "Trend exported.", "Tendencia exportada."}},
    {AxisTime, {"Hora", "Time", "Hora"}},
    {Rtd, {"RTD %1 (ºC)", "RTD %1 (ºC)", "RTD %1 (ºC)"}},
    {WindingTemperature, {"Enrol. %1 (ºC)", "Wind. %1 (ºC)", "Devan. %1 (ºC)"}},
    {WindingCurrent, {"Corrente %1 (A)", "Current %1 (A)", "Corriente %1 (A)"}},
    {SecondaryVoltage, {"Tensão (V)", "Voltage (V)", "Tensión (V)"}},
    {PrimaryVoltage, {"Tensão primária (kV)", "Primary voltage (kV)", "Tensión primaria (kV)"}},
    {Current, {"Corrente (A)", "Current (A)", "Corriente (A)"}},
    {Position, {"Posição", "Position", "Posición"}},
    {Pressure, {"Pressão (bar)", "Pressure (bar)", "Presión (bar)"}},
    {WaterMeter, {"Hidrômetro (l)", "Water meter (l)", "Hidrómetro (l)"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FormTendenciaTexts
