#include "model/RegisterTable.h"

// Regulation set s (0..7), parameter j (1..11) at register 20 s + j: one group per parameter.
const TRegisterTable& RegulatorRegisterTable() {
    using G = TGroup;
    auto set = [](int j, TGroup g) {
        return TRegisterRow{.first = static_cast<std::uint16_t>(j), .count = 8, .group = g, .stride = 20};
    };
    static const TRegisterTable table{
        set(1, G::TensaoNominal),
        set(2, G::DesvioMaximo),
        set(3, G::TipoComando),
        set(4, G::TipoTemporizacao),
        set(5, G::TempoSubir),
        set(6, G::TempoDescer),
        set(7, G::TempoRepeticao),
        set(8, G::HoraInicialHora),
        set(9, G::HoraInicialMinuto),
        set(10, G::HoraFinalHora),
        set(11, G::HoraFinalMinuto),
        {201, 5, G::Ldc},
        {301, 1, G::EscalaSaida},
        {302, 1, G::FundoEscala},
        {303, 1, G::FundoEscalaCorrente},
        {310, 4, G::SaidaCanalAssociado},
        {401, 5, G::TransformerSetup},
        {501, 3, G::Alarms},
        {601, 6, G::Clock},
        {701, 8, G::TapSettings},
        {801, 2, G::TapReached},
        {804, 1, G::Commutations},
        {1001, 15, G::RegulatorMeasurements},
        {1100, 10, G::RelayState},
        {2670, 1, G::PositionInputKind},
        {2680, 6, G::RegulatorCalibration},
    };
    return table;
}
