#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class TEquipComm;

// The thermal monitor's event log: read block by block from the device into text lines, and saved
// as a text file.
namespace EventLog {

constexpr int kRecordWords = 13;
constexpr int kEventsPerBlock = 10;

// One event record as its line (without the line end): the time stamp, winding 1 and, as fitted,
// windings 2 and 3, RTD 1 and, as fitted, RTDs 2..6, then the ten relay bits.
std::string Line(std::span<const std::int32_t, kRecordWords> words, int windings, int rtds);

struct TDownload {
    bool ok = false;
    int total = 0; // events the device counted
    std::vector<std::string> lines;
};
// done events of total, after the count is read and after each block.
using TProgress = std::function<void(int done, int total)>;
// Waits that long before a transaction is tried again.
using TPause = std::function<void(int ms)>;
// Each line as soon as its block is in, so that a long download can be written as it goes.
using TLineSink = std::function<void(const std::string& line)>;

// Reads the count (and what the thermal monitor has fitted), then each block of ten events (selector 801,
// then 1810..1939); every transaction is tried once more after 200 ms. The first lasting failure ends it with
// the lines gathered so far.
TDownload Download(TEquipComm& session, const TProgress& progress, const TPause& pause,
                   const TLineSink& onLine = {});
// A pause that goes on handling events (sockets, timers, repaints).
void PauseHandlingEvents(int ms);

// The lines, each ended by CR LF, in Windows-1252; the file is replaced only once it is complete.
bool Save(const std::string& path, const std::vector<std::string>& lines);

} // namespace EventLog
