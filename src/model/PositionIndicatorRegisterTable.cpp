#include "model/RegisterTable.h"

const TRegisterTable& PositionIndicatorRegisterTable() {
    using G = TGroup;
    static const TRegisterTable table{
        {301, 1, G::EscalaSaida},
        {303, 1, G::FundoEscalaCorrente},
        {601, 6, G::Clock},
        {701, 7, G::TapSettings}, // 707 is the measurement mode here
        {1015, 3, G::IndicatorMeasurements},
        {1100, 10, G::RelayState},
        {1964, 1, G::IndicatorStatus},
        {1965, 1, G::IndicatorFailures},
    };
    return table;
}
