#pragma once

#include "model/TextTable.h"

#include <set>
#include <string>
#include <vector>

class TRegisterImage;

// The main live values of each family as its general screen shows them: the same registers and
// scalings, named in the three languages, for the commissioning report.
namespace LiveReadings {

enum class TKind {
    Scaled,  // (cell - offset) / divisor
    PerUnit, // parallelism: the cell at reg + the unit's bus address
    Counter, // reg low word, reg + 1 high word, unsigned
    Sensor,  // scaled, but 0 and 65535 mean no sensor fitted
    Tap,     // the tap position as the device displays it (style 703, reference 704)
};

struct TLiveReading {
    std::array<const char*, Language::kCount> name;
    int reg;
    TKind kind = TKind::Scaled;
    int offset = 0;
    int divisor = 1;
    int decimals = 0;
    const char* unit = "";
    int number = 0; // appended to the name: RTD 1, winding 2
    // Shown as absent while this register holds a value from `hiddenFrom` on (0: always shown).
    int hiddenBy = 0;
    int hiddenFrom = 0;
};

// The readings of family 0..4; the membrane-test thermal variant has its one RTD only.
const std::vector<TLiveReading>& Of(int family, bool membrane);

// Every register the readings are made of, `unit` being the parallelism unit's bus address.
std::set<int> Registers(const std::vector<TLiveReading>& readings, int unit);

// The value as the screen shows it, without its unit; "-----" when absent.
std::string ValueText(const TLiveReading& reading, const TRegisterImage& image, int unit);

} // namespace LiveReadings
