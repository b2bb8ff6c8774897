#include "SimDevice.h"

#include "SimLive.h"
#include "SimMaps.h"

#include <QDateTime>

namespace {

std::int64_t LocalNowMs() {
    const QDateTime now = QDateTime::currentDateTime();
    // Device time stamps count local time as if it were UTC.
    return now.toMSecsSinceEpoch() + static_cast<std::int64_t>(now.offsetFromUtc()) * 1000;
}

constexpr int kEventSelector = 801;
constexpr int kEventCount = 1800;
constexpr int kEventBlock = 1810;
constexpr int kEventsPerBlock = 10;
constexpr int kRecordIndex = 4000;
constexpr int kRecordData = 4002;
constexpr int kRecordCounts = 2910;
constexpr int kBusAddress = 1951;
constexpr int kAlternation = 208;

} // namespace

TSimDevice::TSimDevice(const TSimOptions& options)
    : options_(options), history_(options.events, options.records, options.seed, LocalNowMs()),
      random_(options.seed), clock_(SimClockRegister(options.model)) {
    DefineSimRegisters(regs_, options_);
    SimLive::Start(regs_, options_.model, LocalNowMs(), options_.rainFalls);
    for (const auto& [reg, value] : options_.startValues)
        regs_.Set(reg, value);
    HoldValues();
}

void TSimDevice::HoldValues() {
    for (const auto& [reg, value] : options_.heldValues)
        regs_.Set(reg, value);
}

std::optional<std::uint16_t> TSimDevice::Read(int reg) {
    reg &= 0x7FFF;
    if (!InSimDeviceRange(options_.model, reg))
        return std::nullopt;
    std::lock_guard lock(mutex_);
    return ReadLocked(reg);
}

std::uint16_t TSimDevice::ReadLocked(int reg) const {
    if (reg >= clock_ && reg < clock_ + 6)
        return ClockField(reg - clock_).value_or(0);
    const bool thermal = options_.model == TSimModel::Thermal || options_.model == TSimModel::ThermalMembrane;
    if (thermal && reg == kEventCount)
        return static_cast<std::uint16_t>(history_.EventCount());
    if (thermal && reg >= kEventBlock && reg < kEventBlock + kEventsPerBlock * TSimHistory::kEventWords) {
        // Slot j of the block holds event (selector - j).
        const int slot = (reg - kEventBlock) / TSimHistory::kEventWords;
        const int word = (reg - kEventBlock) % TSimHistory::kEventWords;
        return history_.Event(regs_.Get(kEventSelector) - slot)[static_cast<std::size_t>(word)];
    }
    if (options_.model == TSimModel::Irrigation) {
        if (reg >= kRecordCounts && reg < kRecordCounts + 4) {
            const auto count = static_cast<std::uint32_t>(history_.RecordCount());
            return static_cast<std::uint16_t>((reg - kRecordCounts) % 2 == 0 ? count & 0xFFFF : count >> 16);
        }
        if (reg >= kRecordData && reg < kRecordData + TSimHistory::kRecordBytes / 2) {
            const std::string record = history_.Record(regs_.Get32(kRecordIndex));
            const auto at = 2 * static_cast<std::size_t>(reg - kRecordData);
            return static_cast<std::uint16_t>(static_cast<std::uint8_t>(record[at]) |
                                              static_cast<std::uint8_t>(record[at + 1]) << 8);
        }
    }
    return regs_.Get(reg);
}

std::vector<TSimDevice::TWrite> TSimDevice::Write(const TPairs& pairs) {
    std::lock_guard lock(mutex_);
    std::vector<TWrite> results;
    std::array<std::optional<int>, 6> clock;
    std::vector<std::size_t> clockItems;
    for (const auto& [wire, value] : pairs) {
        const int reg = wire & 0x7FFF;
        if (reg == kCommandRegister) {
            results.push_back(Command(value) ? TWrite::Accepted : TWrite::BadValue);
        } else if (!InSimDeviceRange(options_.model, reg)) {
            results.push_back(TWrite::OutOfRange);
        } else if (reg >= clock_ && reg < clock_ + 6) {
            clock[static_cast<std::size_t>(reg - clock_)] = value;
            clockItems.push_back(results.size());
            results.push_back(TWrite::Accepted);
        } else {
            results.push_back(WriteLocked(reg, value));
        }
    }
    if (!clockItems.empty() && !SetClock(clock)) {
        for (std::size_t item : clockItems)
            results[item] = TWrite::BadValue;
    }
    return results;
}

TSimDevice::TWrite TSimDevice::WriteLocked(int reg, std::uint16_t value) {
    const bool thermal = options_.model == TSimModel::Thermal || options_.model == TSimModel::ThermalMembrane;
    switch (regs_.Kind(reg)) {
    case TSimRegisters::TKind::None:
        return TWrite::OutOfRange;
    case TSimRegisters::TKind::ReadOnly:
        return TWrite::ReadOnly;
    default:
        break;
    }
    if (options_.model == TSimModel::Parallelism && reg == kBusAddress && value > 15 &&
        !options_.anyBusAddress)
        return TWrite::BadValue;
    if (thermal && reg == kAlternation && !AlternationAllowed(value))
        return TWrite::BadValue;
    regs_.Set(reg, value);
    return TWrite::Accepted;
}

bool TSimDevice::AlternationAllowed(std::uint16_t value) const {
    // Alternating relays share their set points: hysteresis, delay, channel, current hysteresis and
    // function must be the same for both of a pair.
    const auto same = [this](int a, int b) {
        for (int first : {21, 41, 61, 141, 161})
            if (regs_.Get(first + a - 1) != regs_.Get(first + b - 1))
                return false;
        return true;
    };
    switch (value) {
    case 0:
        return true;
    case 1:
        return same(5, 6);
    case 2:
        return same(7, 8);
    case 3:
        return same(5, 6) && same(7, 8);
    default:
        return false;
    }
}

bool TSimDevice::Command(std::uint16_t code) {
    const int family = SimModelFamily(options_.model);
    switch (code) {
    case 100:
        if (family != 0)
            return false;
        history_.EraseEvents();
        return true;
    case 1130:
        if (family != 3)
            return false;
        history_.EraseRecords();
        return true;
    default:
        return SimLive::Command(regs_, options_.model, code);
    }
}

std::optional<std::uint16_t> TSimDevice::ClockField(int index) const {
    const QDateTime now = QDateTime::currentDateTime().addMSecs(clockOffsetMs_);
    const int fields[] = {now.time().hour(), now.time().minute(), now.time().second(),
                          now.date().day(),  now.date().month(),  now.date().year() - 2000};
    if (index < 0 || index > 5)
        return std::nullopt;
    return static_cast<std::uint16_t>(fields[index]);
}

bool TSimDevice::SetClock(const std::array<std::optional<int>, 6>& fields) {
    const QDateTime real = QDateTime::currentDateTime();
    const QDateTime now = real.addMSecs(clockOffsetMs_);
    const int current[] = {now.time().hour(), now.time().minute(), now.time().second(),
                           now.date().day(),  now.date().month(),  now.date().year() - 2000};
    int f[6];
    for (std::size_t i = 0; i < 6; ++i)
        f[i] = fields[i].value_or(current[i]);
    const QDate date(2000 + f[5], f[4], f[3]);
    const QTime time(f[0], f[1], f[2]);
    if (!date.isValid() || !time.isValid() || f[5] > 99)
        return false;
    // To the millisecond: a clock read at once after a set reads what was set.
    clockOffsetMs_ = real.msecsTo(QDateTime(date, time));
    return true;
}

void TSimDevice::Tick() {
    if (options_.holdLive)
        return;
    std::lock_guard lock(mutex_);
    SimLive::Advance(regs_, options_.model, random_, LocalNowMs());
    HoldValues();
}
