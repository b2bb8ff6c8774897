#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class TEquipComm;

// The irrigation controller's record card: its newest records read one by one into five text
// fields each, and saved as a text file.
namespace IrrigationRecords {

constexpr int kRecords = 50;
constexpr int kRecordBytes = 60;
constexpr int kFields = 5;
constexpr std::array<std::size_t, kFields> kWidths{20, 10, 10, 10, 10};
constexpr std::size_t kTemperature = 3;

// Time, rain gauge, water meter, temperature, pressure; Windows-1252 bytes.
using TFields = std::array<std::string, kFields>;

// Each field up to its width or its first zero byte, trimmed of blanks and control characters;
// a control character inside becomes a blank and a comma a semicolon, so that each record stays
// one line of five columns.
TFields Decode(std::span<const std::uint8_t, kRecordBytes> bytes);
// The fields joined by ", ", as the header line is.
std::string Join(const TFields& fields);
// A record's line: joined, with a blank temperature written as "----- , ".
std::string Line(const TFields& fields);
// The names of the fields in a language (0 Portuguese, 1 English, 2 Spanish; others: Portuguese),
// as the table and the file's header line show them; Windows-1252 bytes.
TFields Header(int language);
// The header line, then one line per record.
std::vector<std::string> FileLines(const TFields& header, const std::vector<TFields>& records);

struct TDownload {
    bool countRead = false;
    std::uint32_t count = 0; // records the card holds, roughly; 0 unless read
    std::vector<TFields> records;
};
// What has been read so far: once the count is read, then after each record.
using TProgress = std::function<void(const TDownload& sofar)>;

// Reads the count, then selects and reads records 0 (the newest) to 49; the first failure of a
// record ends it with the records read so far.
TDownload Download(TEquipComm& session, const TProgress& progress);

// The lines, each ended by CR LF; the file is replaced only once it is complete.
bool Save(const std::string& path, const std::vector<std::string>& lines);

} // namespace IrrigationRecords
