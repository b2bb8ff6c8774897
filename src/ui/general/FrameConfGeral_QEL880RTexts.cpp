#include "ui/general/FrameConfGeral_QEL880RTexts.h"

namespace FrameConfGeral_QEL880RTexts {

constexpr std::array<Language::TText<TId>, Count> kTexts{{
    {Indication, {"Indicação", "Indication", "Indicación"}},
    {Measure, {"Medida", "Measure", "Medida"}},
    {SecondaryVoltage, {"Tensão Sec.", "Sec. Volt.", "Tensión Secun."}},
    {SecondaryCurrent, {"Corrente Sec.", "Sec. Curr.", "Corriente Secun."}},
    {LineVoltage, {"Tensão Linha", "Line Volt.", "Tensión Línea"}},
    {LineCurrent, {"Corrente Linha", "Line Curr.", "Corriente Línea"}},
    {LoadVoltage, {"Tensão Carga", "Load Volt.", "Tensión Carga"}},
    {LineLag, {"Defas. Linha", "Line Lag", "Desfase Línea"}},
    {PowerFactor, {"Fator Potência", "Power Factor", "Factor Potencia"}},
    {ActiveSet, {"Conj. Ativo", "Active Set", "Conj. Activo"}},
    {CurrentPosition, {"Pos. Atual", "Curr. Pos.", "Pos. Actual"}},
    {ApparentPower, {"Pot. Aparente", "Apparent Power", "Poten. Aparente"}},
    {ActivePower, {"Pot. Ativa", "Active Power", "Poten. Activa"}},
    {ReactivePower, {"Pot. Reativa", "Reactive Power", "Poten. Reactiva"}},
    {NominalVoltagePercent, {"% Tensão Nom.", "% Nom. Volt.", "% Tensión Nom."}},
    {NominalCurrentPercent, {"% Corrente Nom.", "% Nom. Curr.", "% Corriente Nom."}},
    {VoltageDeviation, {"Desvio Tensão", "Volt. Deviat.", "Desvío Tensión"}},
    {MinimumPosition, {"Min. Pos.", "Min. Pos.", "Pos. Mín."}},
    {MaximumPosition, {"Max. Pos.", "Max. Pos.", "Pos. Máx."}},
    {Commutations, {"Num. Comut.", "Num. Commut.", "Núm. Conmut."}},
    {Millions, {"milhões", "millions", "millones"}},
    {ResetExtremes, {"Resetar Max/Min/Com", "Reset Max/Min/Comm", "Resetear Max/Min/Conm"}},
    {PositionUp, {"Subir posição", "Position Up", "Subir posición"}},
    {PositionDown, {"Baixar posição", "Position Down", "Bajar posición"}},
    {RelayUp, {"Subir", "Up", "Subir"}},
    {RelayDown, {"Descer", "Down", "Bajar"}},
    {RelayUndervoltage, {"Subtensão", "Undervoltage", "Subtensión"}},
    {RelayOvervoltage, {"Sobretensão", "Overvoltage", "Sobretensión"}},
    {RelayOvercurrent, {"Sobrecorrente", "Overcurrent", "Sobrecorriente"}},
    {RelayFailure, {"Falha", "Failure", "Falla"}},
    {RelayMinimumPosition, {"Pos. Min.", "Min. Pos.", "Pos. Mín."}},
    {RelayMaximumPosition, {"Pos. Max.", "Max. Pos.", "Pos. Máx."}},
    {RelayPreSignalUp, {"Pré Sin. Subir", "Pre Sign. Up", "Pre Señal Subir"}},
    {RelayPreSignalDown, {"Pré Sin. Descer", "Pre Sign. Down", "Pre Señal Bajar"}},
    {AskReset,
     {"Deseja resetar a memória de comutações e as posições máximas e mínimas?",
      "Would you like to reset the commutation count and the max and min positions?",
      "¿Desea resetear la memoria de conmutaciones y las posiciones máximas y mínimas?"}},
    {MemoryReset, {"Memória resetada", "Memory reseted", "Memoria reseteada"}},
    {ErrorErasing, {"Erro ao apagar a memória", "Error erasing the memory", "Error al borrar la memoria"}},
}};
static_assert(Language::InOrder(kTexts));

} // namespace FrameConfGeral_QEL880RTexts
