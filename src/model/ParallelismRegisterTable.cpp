#include "model/RegisterTable.h"

// Per-unit tables of 16 entries, indexed by the unit's bus address (register 1951).
const TRegisterTable& ParallelismRegisterTable() {
    using G = TGroup;
    static const TRegisterTable table{
        {1, 16, G::EnderecoBus},         {21, 16, G::TamanhoBus},
        {41, 16, G::NumPosic},           {61, 16, G::ResistPorPosic},
        {81, 16, G::TempoErroParal},     {101, 16, G::TempoErroPos},
        {121, 16, G::ConfRele7},         {141, 16, G::ConfRele8},
        {161, 16, G::ConfRele9},         {201, 1, G::ModoLeitura},
        {301, 16, G::EscalaSaida},       {401, 6, G::Clock},
        {501, 16, G::UnitPosition},      {521, 16, G::UnitExpectedPosition},
        {541, 16, G::UnitMode},          {561, 16, G::UnitSpare},
        {601, 10, G::RelayState},        {1951, 1, G::BusAddress},
        {1960, 5, G::ParallelismErrors},
    };
    return table;
}
