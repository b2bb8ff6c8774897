#include "persistence/CommissioningReportTexts.h"

namespace CommissioningReportTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Title, {"Relatório de comissionamento", "Commissioning report", "Informe de puesta en servicio"}},
    {Date, {"Data", "Date", "Fecha"}},
    {ProgramVersion, {"Versão do programa", "Program version", "Versión del programa"}},
    {Identity, {"Identificação", "Identity", "Identificación"}},
    {Model, {"Modelo", "Model", "Modelo"}},
    {SerialNumber, {"Número de série", "Serial number", "Número de serie"}},
    {Firmware, {"Versão do firmware", "Firmware version", "Versión del firmware"}},
    {IpAddress, {"Endereço IP", "IP address", "Dirección IP"}},
    {IpPort, {"Porta IP", "IP port", "Puerto IP"}},
    {ModbusPort, {"Porta Modbus TCP", "Modbus TCP port", "Puerto Modbus TCP"}},
    {Dnp3Port, {"Porta DNP3", "DNP3 port", "Puerto DNP3"}},
    {BusAddress, {"Endereço no barramento", "Bus address", "Dirección en el bus"}},
    {Readings, {"Leituras", "Readings", "Lecturas"}},
    {Quantity, {"Grandeza", "Quantity", "Magnitud"}},
    {Value, {"Valor", "Value", "Valor"}},
    {Unit, {"Unidade", "Unit", "Unidad"}},
    {Register, {"Registro", "Register", "Registro"}},
    {Configuration, {"Configuração", "Configuration", "Configuración"}},
    {Key, {"Chave", "Key", "Clave"}},
    {Hidden, {"(oculta)", "(hidden)", "(oculta)"}},
    {Calibration, {"Calibração", "Calibration", "Calibración"}},
    {CalibrationLine, {"Linha", "Line", "Línea"}},
    {Gain, {"Ganho", "Gain", "Ganancia"}},
    {Offset, {"Offset", "Offset", "Offset"}},
    {Points, {"Pontos (x; y)", "Points (x; y)", "Puntos (x; y)"}},
    {Rtd, {"RTD", "RTD", "RTD"}},
    {CurrentInput, {"Entrada de corrente", "Current input", "Entrada de corriente"}},
    {CurrentOutput, {"Saída de corrente", "Current output", "Salida de corriente"}},
    {CurrentOutputLow,
     {"Saída de corrente 0-1,5 mA", "Current output 0-1.5 mA", "Salida de corriente 0-1,5 mA"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace CommissioningReportTexts
