// A calibration file may have been edited by hand: whatever it holds, the record must come out with
// counts its arrays hold and numbers a float carries, and each number must read back from the text
// the record writes for it.
#include "persistence/CalibrationRecord.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>

namespace {

void CollectLine(const TCalibrationLine& line, std::set<std::uint32_t>& numbers) {
    if (line.points < 0 || line.points > TCalibrationLine::kMaxPoints)
        std::abort();
    numbers.insert(std::bit_cast<std::uint32_t>(line.gain));
    numbers.insert(std::bit_cast<std::uint32_t>(line.offset));
    for (std::size_t i = 0; i < line.x.size(); ++i) {
        numbers.insert(std::bit_cast<std::uint32_t>(line.x[i]));
        numbers.insert(std::bit_cast<std::uint32_t>(line.y[i]));
    }
}

void CheckNumber(float value) {
    if (!std::isfinite(value))
        std::abort();
    for (const char separator : {'.', ','}) {
        const auto back = ParseCalibrationNumber(FormatCalibrationNumber(value, separator));
        if (!back ||
            std::bit_cast<std::uint32_t>(static_cast<float>(*back)) != std::bit_cast<std::uint32_t>(value))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto number = ParseCalibrationNumber(text);
        number && (!std::isfinite(*number) || std::fabs(*number) > std::numeric_limits<float>::max()))
        std::abort();

    TIniDocument document;
    document.Parse(text);
    TCalibrationRecord record("");
    record.Read(document, 4321);
    if (record.serialNumber < 0)
        std::abort();
    // Most numbers of a record are alike; each distinct one is checked once.
    std::set<std::uint32_t> numbers;
    for (const TCurrentOutputCalibration& output : record.currentOutputs) {
        CollectLine(output.standard, numbers);
        CollectLine(output.lowRange, numbers);
    }
    for (const TCalibrationLine& line : record.rtds)
        CollectLine(line, numbers);
    for (const TCalibrationLine& line : record.currentInputs)
        CollectLine(line, numbers);
    for (const std::uint32_t bits : numbers)
        CheckNumber(std::bit_cast<float>(bits));
    return 0;
}
