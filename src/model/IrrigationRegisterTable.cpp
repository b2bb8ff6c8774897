#include "model/RegisterTable.h"

const TRegisterTable& IrrigationRegisterTable() {
    using G = TGroup;
    using E = TEncoding;
    static const TRegisterTable table{
        {1, 5, G::CicloIrrHorario},
        {11, 5, G::CicloIrrDuracao},
        {21, 5, G::CicloIrrRamais},
        {31, 1, G::ConsumoMax},
        {32, 1, G::BloquearConsumo},
        {40, 6, G::CicloIrrAtrasoRamal},
        {101, 6, G::PumpPressure},
        {201, 11, G::IrrigationSetup},
        {212, 1, G::RelayScreenSoftwareCommand},
        {213, 3, G::IrrigationInputSetup},
        {220, 6, G::PluvMaxRamal},
        {601, 6, G::Clock},
        {1001, 1, G::IrrigationStatus},
        {1002, 1, G::RainGauge, E::LowWord},
        {1003, 1, G::RainGauge, E::HighWord},
        {1004, 1, G::WaterMeter, E::LowWord},
        {1005, 1, G::WaterMeter, E::HighWord},
        {1006, 1, G::LastCycleWater, E::LowWord},
        {1007, 1, G::LastCycleWater, E::HighWord},
        {1008, 1, G::DigitalInputs},
        {1009, 1, G::Pressure},
        {1010, 1, G::IrrigationStatusCell},
        {1011, 1, G::IrrigationTemperature},
        {1100, 10, G::RelayState},
        {.first = 2910, .count = 2, .group = G::RecordCounts, .encoding = E::LowWord, .stride = 2},
        {.first = 2911, .count = 2, .group = G::RecordCounts, .encoding = E::HighWord, .stride = 2},
        {4000, 1, G::RecordIndex, E::LowWord},
        {4001, 1, G::RecordIndex, E::HighWord},
        {4002, 30, G::RecordBytes, E::CharPair},
    };
    return table;
}
