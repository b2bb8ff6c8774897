#include "CtlDeviceCommands.h"

#include "CtlInterrupt.h"
#include "CtlPartialFile.h"

#include "link/DeviceClock.h"
#include "link/EquipComm.h"
#include "model/DeviceTimestamp.h"
#include "persistence/EventLog.h"
#include "persistence/IrrigationRecords.h"

#include <QDateTime>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kEraseEvents = 100;
constexpr int kEraseRecords = 1130;
constexpr int kEventCount = 1800;
constexpr int kMaxWindings = 701;
constexpr int kMaxRtds = 704;
constexpr int kMaxTimestamps = 1710;
constexpr int kEraseSettleMs = 1000;

} // namespace

TCtlDeviceCommands::TCtlDeviceCommands(TEquipComm& session, const TCtlOptions& options, QTextStream& out,
                                       QTextStream& err, TFail fail)
    : session_(session), options_(options), out_(out), err_(err), fail_(std::move(fail)),
      terminal_(isatty(fileno(stderr)) != 0) {}

void TCtlDeviceCommands::Progress(const QString& text) {
    if (terminal_) {
        err_ << '\r' << text;
        err_.flush();
    }
}

void TCtlDeviceCommands::EndProgress() {
    if (terminal_)
        err_ << Qt::endl;
}

int TCtlDeviceCommands::Events() {
    const auto progress = [this](int done, int total) {
        Progress(QStringLiteral("Downloading... (%1 / %2)").arg(done).arg(total));
    };
    // Ctrl+C or SIGTERM ends the download with what it has read, kept as any download cut short;
    // the lines go to FILE.partial as they come, so that not even a killed run loses them.
    const TCtlInterrupt interrupt(session_);
    TCtlPartialFile partial(options_.file);
    if (!partial.Ok())
        return fail_(QStringLiteral("cannot write %1").arg(partial.Path()));
    const EventLog::TDownload download =
        EventLog::Download(session_, progress, EventLog::PauseHandlingEvents,
                           [&](const std::string& line) { partial.Append(line); });
    EndProgress();
    const auto lines = static_cast<int>(download.lines.size());
    if (!partial.Ok())
        return fail_(QStringLiteral("cannot write %1; %2 is untouched").arg(partial.Path(), options_.file));
    if (download.ok) {
        if (!partial.Commit())
            return fail_(QStringLiteral("cannot write %1").arg(options_.file));
        out_ << lines << " events written to " << options_.file << Qt::endl;
        return 0;
    }
    if (lines == 0) {
        partial.Discard();
        if (download.total == 0)
            return fail_(QStringLiteral("no reply from the device reading the event count and what it has "
                                        "fitted (registers 1800, 1020, 1003); %1 is untouched")
                             .arg(options_.file));
        return fail_(QStringLiteral("the download %1 before its first event; %2 is untouched")
                         .arg(Stopped(interrupt), options_.file));
    }
    // A download cut short never replaces the file: a backup run twice on a bad day keeps the good one.
    return fail_(
        QStringLiteral("the download %1 after %2 of %3 events; %4 keeps what was read; %5 is untouched")
            .arg(Stopped(interrupt))
            .arg(lines)
            .arg(download.total)
            .arg(partial.Path(), options_.file));
}

QString TCtlDeviceCommands::Stopped(const TCtlInterrupt& interrupt) {
    return interrupt.Interrupted() ? QStringLiteral("was interrupted") : QStringLiteral("stopped");
}

int TCtlDeviceCommands::KeepPartial(const std::vector<std::string>& lines, const QString& what) {
    const QString partial = options_.file + QStringLiteral(".partial");
    if (!EventLog::Save(partial.toStdString(), lines))
        return fail_(
            QStringLiteral("%1; cannot write %2; %3 is untouched").arg(what, partial, options_.file));
    return fail_(
        QStringLiteral("%1; %2 keeps what was read; %3 is untouched").arg(what, partial, options_.file));
}

int TCtlDeviceCommands::EraseEvents() {
    if (!session_.SendCommand(kEraseEvents))
        return fail_(QStringLiteral("the device did not confirm the erasure of the events"));
    // The device takes a moment before it counts again, as the event screen waits.
    EventLog::PauseHandlingEvents(kEraseSettleMs);
    if (!session_.ReadRegisters(kEventCount, 1))
        return fail_(QStringLiteral("events erased, but no reply reading the event count"));
    out_ << "events " << session_.FetchRegister(kEventCount) << Qt::endl;
    return 0;
}

int TCtlDeviceCommands::Maxima() {
    const bool read = session_.ReadRegisters(kMaxWindings, 3, true) &&
                      session_.ReadRegisters(kMaxRtds, 6, true) &&
                      session_.ReadRegisters(kMaxTimestamps, 27, true) && session_.FlushReads();
    if (!read)
        return fail_(QStringLiteral("no reply from the device reading the maxima"));
    auto v = [this](int reg) { return session_.FetchRegister(reg); };
    for (int row = 0; row < 9; ++row) {
        const QString name =
            row < 3 ? QStringLiteral("Wind %1").arg(row + 1) : QStringLiteral("RTD %1").arg(row - 2);
        const int stamp = kMaxTimestamps + 3 * row;
        const std::int64_t ms = DeviceTimestamp::FromWords(v(stamp), v(stamp + 1), v(stamp + 2));
        out_ << name << ' ' << v(kMaxWindings + row) << QString::fromUtf8(" ºC ")
             << QString::fromStdString(DeviceTimestamp::FormatIso(ms)) << '\n';
    }
    out_.flush();
    return 0;
}

int TCtlDeviceCommands::Clock() {
    const int first = ClockRegister(session_.Family());
    if (!session_.ReadRegisters(first, 6))
        return fail_(QStringLiteral("no reply from the device reading its clock"));
    auto v = [&](int field) { return static_cast<int>(session_.FetchRegister(first + field)); };
    out_ << QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", 2000 + v(5), v(4), v(3), v(0), v(1), v(2))
         << Qt::endl;
    return 0;
}

int TCtlDeviceCommands::ClockSet() {
    const QDateTime time = options_.clock.value_or(QDateTime::currentDateTime());
    if (!WriteDeviceClock(session_, time))
        return fail_(QStringLiteral("the device did not confirm the clock %1")
                         .arg(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
    out_ << "clock set " << time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) << Qt::endl;
    return 0;
}

int TCtlDeviceCommands::Records() {
    const auto progress = [this](const IrrigationRecords::TDownload& sofar) {
        Progress(QStringLiteral("Reading... (%1 / %2)")
                     .arg(sofar.records.size())
                     .arg(IrrigationRecords::kRecords));
    };
    const TCtlInterrupt interrupt(session_);
    const IrrigationRecords::TDownload download = IrrigationRecords::Download(session_, progress);
    EndProgress();
    // The header in the program's own default language, as the screen writes it before a switch.
    const auto lines = IrrigationRecords::FileLines(IrrigationRecords::Header(0), download.records);
    const auto records = static_cast<int>(download.records.size());
    if (records < IrrigationRecords::kRecords) {
        if (records == 0 && !download.countRead)
            return fail_(QStringLiteral("no reply from the device reading the record count; %1 is untouched")
                             .arg(options_.file));
        return KeepPartial(lines, QStringLiteral("the download %1 after %2 of %3 records")
                                      .arg(Stopped(interrupt))
                                      .arg(records)
                                      .arg(IrrigationRecords::kRecords));
    }
    if (!IrrigationRecords::Save(options_.file.toStdString(), lines))
        return fail_(QStringLiteral("cannot write %1").arg(options_.file));
    // The count only tells how full the card is: the records themselves are all in the file.
    out_ << records << " records written to " << options_.file;
    if (download.countRead)
        out_ << " (the card counts " << download.count << ")";
    else
        out_ << " (the record count could not be read)";
    out_ << Qt::endl;
    return 0;
}

int TCtlDeviceCommands::EraseRecords() {
    if (!session_.SendCommand(kEraseRecords))
        return fail_(QStringLiteral("the device did not confirm the erasure of the records"));
    out_ << "records erased" << Qt::endl;
    return 0;
}
