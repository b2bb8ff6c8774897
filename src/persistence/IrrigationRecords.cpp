#include "persistence/IrrigationRecords.h"

#include "link/EquipComm.h"
#include "model/RegisterGroup.h"
#include "persistence/EventLog.h"

namespace IrrigationRecords {

namespace {

constexpr int kCount = 2912;
constexpr int kSelector = 4000;
constexpr int kRecord = 4002;

bool Blank(std::uint8_t byte) {
    return byte <= ' ' || byte == 0x7F;
}

std::string Field(std::span<const std::uint8_t> bytes) {
    std::size_t end = 0;
    while (end < bytes.size() && bytes[end] != 0)
        ++end;
    std::size_t begin = 0;
    while (begin < end && Blank(bytes[begin]))
        ++begin;
    while (end > begin && Blank(bytes[end - 1]))
        --end;
    std::string field(bytes.begin() + static_cast<std::ptrdiff_t>(begin),
                      bytes.begin() + static_cast<std::ptrdiff_t>(end));
    // A field never breaks its line (CR, LF) nor shifts the columns (the separator ", "): a damaged
    // or hostile card must not forge records in the file.
    for (char& c : field) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte < ' ' || byte == 0x7F)
            c = ' ';
        else if (c == ',')
            c = ';';
    }
    return field;
}

} // namespace

TFields Decode(std::span<const std::uint8_t, kRecordBytes> bytes) {
    TFields fields;
    std::size_t at = 0;
    for (std::size_t f = 0; f < kFields; ++f) {
        fields[f] = Field(bytes.subspan(at, kWidths[f]));
        at += kWidths[f];
    }
    return fields;
}

std::string Join(const TFields& fields) {
    std::string line = fields[0];
    for (std::size_t f = 1; f < kFields; ++f)
        line += ", " + fields[f];
    return line;
}

std::string Line(const TFields& fields) {
    if (!fields[kTemperature].empty())
        return Join(fields);
    return fields[0] + ", " + fields[1] + ", " + fields[2] + ", ----- , " + fields[4];
}

TFields Header(int language) {
    // Windows-1252: "\xF4" is ô, "\xE3" ã, "\xF3" ó.
    static const std::array<TFields, 3> kHeaders{{
        {"Hora", "Pluvi\xF4metro", "Hidr\xF4metro", "Temperatura", "Press\xE3o"},
        {"Hour", "Pluviometer", "Hydrometer", "Temperature", "Pressure"},
        {"Hora", "Pluvi\xF3metro", "Hidr\xF3metro", "Temperatura", "Presi\xF3n"},
    }};
    return kHeaders[static_cast<std::size_t>(language >= 0 && language < 3 ? language : 0)];
}

std::vector<std::string> FileLines(const TFields& header, const std::vector<TFields>& records) {
    std::vector<std::string> lines{Join(header)};
    for (const TFields& record : records)
        lines.push_back(Line(record));
    return lines;
}

TDownload Download(TEquipComm& session, const TProgress& progress) {
    TDownload result;
    const TRegisterImage& image = session.Image();
    // The count is 32 bits: its high word too.
    result.countRead = session.ReadRegisters(kCount, 2);
    if (result.countRead)
        result.count = static_cast<std::uint32_t>(image.Cell(TGroup::RecordCounts, 1));
    progress(result);
    for (int i = 0; i < kRecords; ++i) {
        // Sent even when the image holds the index already: the device may have moved on.
        if (!session.WriteRegister(kSelector, i, false, true) ||
            !session.ReadRegisters(kRecord, kRecordBytes / 2))
            break;
        std::array<std::uint8_t, kRecordBytes> bytes{};
        for (int b = 0; b < kRecordBytes; ++b)
            bytes[static_cast<std::size_t>(b)] = image.Byte(TGroup::RecordBytes, b);
        result.records.push_back(Decode(bytes));
        progress(result);
    }
    return result;
}

bool Save(const std::string& path, const std::vector<std::string>& lines) {
    // The same file shape as the event log's: bytes as they are, CR LF, written whole or not at all.
    return EventLog::Save(path, lines);
}

} // namespace IrrigationRecords
