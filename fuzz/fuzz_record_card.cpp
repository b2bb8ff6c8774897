// A record of the irrigation controller's card, whatever its sixty bytes hold, is one line of the
// records file with its five columns: no field breaks the line or carries the separator.
#include "persistence/IrrigationRecords.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < IrrigationRecords::kRecordBytes)
        return 0;
    std::array<std::uint8_t, IrrigationRecords::kRecordBytes> bytes{};
    std::memcpy(bytes.data(), data, bytes.size());
    const IrrigationRecords::TFields fields = IrrigationRecords::Decode(bytes);
    for (std::size_t f = 0; f < fields.size(); ++f) {
        if (fields[f].size() > IrrigationRecords::kWidths[f])
            std::abort();
        for (char c : fields[f]) {
            const auto byte = static_cast<std::uint8_t>(c);
            if (byte < ' ' || byte == 0x7F || c == ',')
                std::abort();
        }
    }
    const std::string line = IrrigationRecords::Line(fields);
    std::size_t columns = 1;
    for (std::size_t at = line.find(", "); at != std::string::npos; at = line.find(", ", at + 2))
        ++columns;
    if (columns != IrrigationRecords::kFields || line.find_first_of("\r\n") != std::string::npos)
        std::abort();
    return 0;
}
