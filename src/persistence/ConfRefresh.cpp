#include "persistence/ConfRefresh.h"

#include "link/EquipComm.h"
#include "model/SharedRegisters.h"
#include "persistence/ConfSchema.h"

#include <QThread>

#include <set>
#include <vector>

namespace {

constexpr int kBusAddressRegister = SharedRegisters::kBusAddress;
constexpr int kMaxBusAddress = 15;
constexpr int kMaxRun = 100;

struct TRead {
    int first;
    int count;
    bool queued = true;
    bool flushAfter = false;
};

class TRefresh {
public:
    explicit TRefresh(TEquipComm& session) : session_(session) {}

    bool Run(const std::vector<TRead>& reads) {
        for (const TRead& read : reads) {
            if (!Read(read.first, read.count, read.queued))
                return false;
            if (read.flushAfter && !Flush())
                return false;
        }
        return true;
    }

    // Whatever the file saves that the reads above did not cover.
    bool ReadRest() {
        std::vector<int> missing;
        for (int reg : SavedRegisters()) {
            if (!done_.contains(reg))
                missing.push_back(reg);
        }
        for (std::size_t i = 0; i < missing.size();) {
            std::size_t j = i + 1;
            while (j < missing.size() && missing[j] == missing[j - 1] + 1 &&
                   static_cast<int>(j - i) < kMaxRun)
                ++j;
            if (!Read(missing[i], static_cast<int>(j - i), true))
                return false;
            i = j;
        }
        return Flush();
    }

private:
    bool Read(int first, int count, bool queued) {
        for (int r = first; r < first + count; ++r)
            done_.insert(r);
        const bool ok = session_.ReadRegisters(first, count, queued);
        // The pause paces the device between serial requests; a queued framed read puts nothing on
        // the wire.
        if (!session_.IsTcp())
            QThread::msleep(1);
        return ok;
    }

    bool Flush() {
        const bool ok = session_.FlushReads();
        QThread::msleep(20);
        return ok;
    }

    std::set<int> SavedRegisters() const {
        std::set<int> regs;
        const int unit = session_.FetchRegister(kBusAddressRegister);
        for (const TConfKey& key : ConfSchema(session_.Family())) {
            switch (key.kind) {
            case TConfKind::Password:
                for (int i = 0; i < 4; ++i)
                    regs.insert(key.reg + i);
                break;
            case TConfKind::IpAddr:
            case TConfKind::SerialNumber:
                regs.insert(key.reg);
                regs.insert(key.reg + 1);
                break;
            case TConfKind::WifiText:
                for (int i = 0; i < 16; ++i)
                    regs.insert(key.reg + i);
                break;
            case TConfKind::UnitValue:
            case TConfKind::BusAddress:
                regs.insert(key.reg + unit);
                break;
            case TConfKind::NetworkPort:
                if (session_.NetworkPortFlag())
                    regs.insert(key.reg);
                break;
            case TConfKind::DateTime:
                break;
            default:
                regs.insert(key.reg);
                break;
            }
        }
        return regs;
    }

    TEquipComm& session_;
    std::set<int> done_;
};

std::vector<TRead> SerialBlocks(int count, std::vector<TRead> reads) {
    for (int first : {1300, 1400, 1410, 1420, 1430, 1310, 1320, 1330, 1340, 1350, 1360, 1370, 1380})
        reads.push_back({first, count});
    reads.push_back({1500, 1});
    reads.push_back({1600, 1, true, true});
    return reads;
}

std::vector<TRead> ThermalReads() {
    std::vector<TRead> reads;
    for (int first = 1; first <= 161; first += 20)
        reads.push_back({first, 8});
    for (int reg : {208, 212, 213, 215, 212})
        reads.push_back({reg, 1});
    reads.push_back({1004, 6});
    reads.push_back({1002, 1, true, true});
    reads.push_back({202, 3});
    reads.push_back({205, 3});
    for (int reg : {209, 210, 211, 214, 301, 302})
        reads.push_back({reg, 1});
    reads.push_back({310, 4, true, true});
    return SerialBlocks(3, reads);
}

std::vector<TRead> ParallelismReads(int unit) {
    std::vector<TRead> reads;
    for (int base = 1; base <= 161; base += 20)
        reads.push_back({base + unit, 1});
    reads.push_back({201, 1});
    reads.push_back({301 + unit, 1});
    return SerialBlocks(1, reads);
}

std::vector<TRead> RegulatorReads() {
    std::vector<TRead> reads;
    for (int first = 1; first <= 141; first += 20)
        reads.push_back({first, 11, true, first == 141});
    for (auto [first, count] : {std::pair{201, 5}, {401, 4}, {501, 3}, {701, 6}})
        reads.push_back({first, count, false});
    for (int reg : {301, 302, 303})
        reads.push_back({reg, 1});
    reads.push_back({310, 4, true, true});
    return SerialBlocks(3, reads);
}

std::vector<TRead> IrrigationReads() {
    std::vector<TRead> reads{{1, 5}, {11, 5}, {21, 5}, {31, 1}, {32, 1}, {101, 6}, {201, 8}};
    return SerialBlocks(1, reads);
}

std::vector<TRead> PositionIndicatorReads() {
    std::vector<TRead> reads{{701, 7, false}, {301, 1}, {303, 1, true, true}};
    return SerialBlocks(3, reads);
}

} // namespace

bool RefreshConfiguration(TEquipComm& session) {
    TRefresh refresh(session);
    std::vector<TRead> reads;
    switch (session.Family()) {
    case 0:
        reads = ThermalReads();
        break;
    case 1:
        // The per-unit settings are found through the unit's own bus address.
        // An address beyond the tables would save another unit's settings as this unit's.
        if (!session.ReadRegisters(kBusAddressRegister, 1) ||
            session.FetchRegister(kBusAddressRegister) > kMaxBusAddress)
            return false;
        reads = ParallelismReads(session.FetchRegister(kBusAddressRegister));
        break;
    case 2:
        reads = RegulatorReads();
        break;
    case 3:
        reads = IrrigationReads();
        break;
    case 4:
        reads = PositionIndicatorReads();
        break;
    default:
        return false;
    }
    return refresh.Run(reads) && refresh.ReadRest();
}
