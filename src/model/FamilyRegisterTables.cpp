#include "model/RegisterTable.h"

const TRegisterTable& FamilyRegisterTable(int family) {
    // The clock: 401..406 in families 0 and 1, 601..606 in families 2 to 4.
    static const TRegisterTable clockAt401{
        {401, 6, TGroup::Clock},
    };
    static const TRegisterTable clockAt601{
        {601, 6, TGroup::Clock},
    };
    static const TRegisterTable none{};
    if (family == 0 || family == 1)
        return clockAt401;
    if (family >= 2 && family <= 4)
        return clockAt601;
    return none;
}
