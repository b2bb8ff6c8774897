#include "model/RegisterTable.h"

const TRegisterTable& FamilyRegisterTable(int family) {
    static const TRegisterTable none{};
    switch (family) {
    case 0:
        return ThermalRegisterTable();
    case 1:
        return ParallelismRegisterTable();
    case 2:
        return RegulatorRegisterTable();
    case 3:
        return IrrigationRegisterTable();
    case 4:
        return PositionIndicatorRegisterTable();
    default:
        return none;
    }
}
