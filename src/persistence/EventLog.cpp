#include "persistence/EventLog.h"

#include "link/EquipComm.h"
#include "model/DeviceIdentity.h"
#include "model/DeviceTimestamp.h"
#include "model/SharedRegisters.h"
#include "model/ThermalFitted.h"
#include "persistence/SmallFile.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace EventLog {

namespace {

constexpr int kSelector = 801;
constexpr int kCount = 1800;
constexpr int kBlock = 1810;
constexpr int kRetryMs = 200;
constexpr int kRtds = 1003;
constexpr int kWindings = 1020;

std::string Temperature(const char* label, std::int32_t raw) {
    char text[48];
    std::snprintf(text, sizeof text, "%s%.1f", label, (raw - 1500) / 10.0);
    return text;
}

bool Twice(const std::function<bool()>& transaction, const TPause& pause) {
    if (transaction())
        return true;
    pause(kRetryMs);
    return transaction();
}

} // namespace

std::string Line(std::span<const std::int32_t, kRecordWords> words, int windings, int rtds) {
    std::string line = DeviceTimestamp::Format(DeviceTimestamp::FromWords(words[0], words[1], words[2]));
    line += Temperature("  Enr1: ", words[3]);
    if (windings > 1)
        line += Temperature(" Enr2: ", words[4]);
    if (windings > 2)
        line += Temperature(" Enr3: ", words[5]);
    line += Temperature(" RTD1: ", words[6]);
    for (int r = 2; r <= 6; ++r) {
        if (rtds >= r) {
            const std::string label = " RTD" + std::to_string(r) + ": ";
            line += Temperature(label.c_str(), words[static_cast<std::size_t>(r) + 5]);
        }
    }
    line += " Rele:";
    for (int bit = 0; bit < 10; ++bit)
        line += (words[12] >> bit & 1) != 0 ? " 1" : " 0";
    return line;
}

TDownload Download(TEquipComm& session, const TProgress& progress, const TPause& pause,
                   const TLineSink& onLine) {
    TDownload result;
    // The count is read now, so that the file holds what the device holds at this moment; so are
    // the fitted windings and RTDs, which decide what each line shows (a membrane-test device has none).
    const bool membrane =
        session.FetchRegister(SharedRegisters::kSignature) == DeviceIdentity::kMembraneSignature;
    const auto readCounts = [&] {
        return session.ReadRegisters(kCount, 1, true) &&
               (membrane ||
                (session.ReadRegisters(kWindings, 1, true) && session.ReadRegisters(kRtds, 1, true))) &&
               session.FlushReads();
    };
    if (!Twice(readCounts, pause))
        return result;
    const TRegisterImage& image = session.Image();
    const int total = image.FetchRegister(kCount);
    const int windings = ThermalFitted::Windings(image);
    const int rtds = ThermalFitted::Rtds(image);
    result.total = total;
    progress(0, total);
    int remaining = total;
    while (remaining > 0) {
        const bool read =
            Twice([&] { return session.WriteRegister(kSelector, remaining - 1, false, true); }, pause) &&
            Twice([&] { return session.ReadRegisters(kBlock, 100, true); }, pause) &&
            Twice([&] { return session.ReadRegisters(kBlock + 100, 30, true); }, pause) &&
            session.FlushReads();
        if (!read)
            return result;
        const int records = std::min(kEventsPerBlock, remaining);
        for (int j = 0; j < records; ++j) {
            std::array<std::int32_t, kRecordWords> words{};
            for (int w = 0; w < kRecordWords; ++w)
                words[static_cast<std::size_t>(w)] = image.FetchRegister(kBlock + kRecordWords * j + w);
            result.lines.push_back(Line(words, windings, rtds));
            if (onLine)
                onLine(result.lines.back());
        }
        remaining -= records;
        progress(total - remaining, total);
    }
    result.ok = true;
    return result;
}

void PauseHandlingEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        // The lines are ASCII: Windows-1252 byte for byte.
        text += line;
        text += "\r\n";
    }
    return SmallFile::Write(path, text);
}

} // namespace EventLog
