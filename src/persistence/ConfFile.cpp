#include "persistence/ConfFile.h"

#include "link/EquipComm.h"
#include "model/NumberRules.h"
#include "model/SharedRegisters.h"
#include "persistence/ConfLoadPlan.h"
#include "persistence/ConfSchema.h"
#include "persistence/IniDocument.h"
#include "persistence/PasswordScramble.h"

#include <QDateTime>
#include <QThread>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <utility>
#include <variant>

namespace ConfFile {
namespace {

constexpr int kBusAddressRegister = SharedRegisters::kBusAddress;
constexpr int kMaxBusAddress = 15;
constexpr int kWifiRegisters = 16;
constexpr int kGeneralPauseMs = 50;
constexpr int kBusAddressPauseMs = 300;

double NowInDays() {
    const QDateTime now = QDateTime::currentDateTime(); // local time
    return static_cast<double>(QDate(1899, 12, 30).daysTo(now.date())) +
           now.time().msecsSinceStartOfDay() / 86400000.0;
}

std::vector<int> TextRegisters(const std::string& text) {
    return NumberRules::PackText(text, kWifiRegisters);
}

std::string ImageText(const TRegisterImage& image, int first) {
    return first == 1720 ? image.WifiName() : image.WifiPassword();
}

int UnitRegister(const TEquipComm& session, const TConfKey& key) {
    return key.reg + session.FetchRegister(kBusAddressRegister);
}

using TItem = TConfLoadPlan::TItem;

// The registers an item writes and their values.
std::vector<std::pair<int, int>> ItemWords(const TEquipComm& session, const TItem& item) {
    const TConfKey& key = *item.key;
    std::vector<std::pair<int, int>> words;
    switch (key.kind) {
    case TConfKind::Password:
    case TConfKind::WifiText: {
        const std::string& text = std::get<std::string>(item.value);
        const std::vector<int> values = key.kind == TConfKind::Password
                                            ? std::vector<int>(text.begin(), text.end())
                                            : TextRegisters(text);
        for (std::size_t i = 0; i < values.size(); ++i)
            words.emplace_back(key.reg + static_cast<int>(i), values[i]);
        break;
    }
    case TConfKind::IpAddr: {
        const auto address = static_cast<std::uint32_t>(std::get<int>(item.value));
        words = {{1700, static_cast<int>(address & 0xFFFF)}, {1701, static_cast<int>(address >> 16)}};
        break;
    }
    case TConfKind::BusAddress:
        words = {{kBusAddressRegister, std::get<int>(item.value)}};
        break;
    case TConfKind::UnitValue:
        words = {{UnitRegister(session, key), std::get<int>(item.value)}};
        break;
    default:
        words = {{key.reg, std::get<int>(item.value)}};
        break;
    }
    return words;
}

// The values of an item's registers as its file writes them.
std::string ValuesText(const TConfKey& key, const std::vector<int>& values) {
    switch (key.kind) {
    case TConfKind::Password: {
        std::string text;
        for (int v : values)
            text.push_back(static_cast<char>(v & 0xFF));
        return text;
    }
    case TConfKind::WifiText: {
        std::string text;
        for (int v : values) {
            text.push_back(static_cast<char>(v & 0xFF));
            text.push_back(static_cast<char>((v >> 8) & 0xFF));
        }
        return text.substr(0, text.find('\0'));
    }
    case TConfKind::IpAddr: {
        const auto address = static_cast<std::uint32_t>(values[0] & 0xFFFF) |
                             static_cast<std::uint32_t>(values[1] & 0xFFFF) << 16;
        return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
               std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
    }
    default:
        return std::to_string(values[0]);
    }
}

class TLoader {
public:
    TLoader(TEquipComm& session, const std::vector<TItem>& items, TLoadReport& report)
        : session_(session), items_(items), report_(report) {}

    bool Write() {
        // The general group goes first, the language before the password.
        std::vector<const TItem*> order;
        for (const TItem& item : items_)
            if (item.key->section == kGeneralConf && item.key->key == "Language")
                order.push_back(&item);
        for (const TItem& item : items_)
            if (!(item.key->section == kGeneralConf && item.key->key == "Language"))
                order.push_back(&item);
        bool pausedAfterGeneral = false;
        for (std::size_t i = 0; i < order.size(); ++i) {
            const TItem& item = *order[i];
            const bool general = item.key->section == kGeneralConf;
            if (!general && !pausedAfterGeneral) {
                QThread::msleep(kGeneralPauseMs);
                pausedAfterGeneral = true;
            }
            if (item.key->kind == TConfKind::WifiPort) {
                std::vector<int> ports;
                bool differs = false;
                for (; i < order.size() && order[i]->key->kind == TConfKind::WifiPort; ++i) {
                    ports.push_back(std::get<int>(order[i]->value));
                    differs = differs || Differs(*order[i]);
                }
                --i;
                if (!session_.WriteRegisters(1760, ports, true))
                    return Fail(TLoadOutcome::WriteFailed, item.key->error);
                report_.written += differs ? static_cast<int>(ports.size()) : 0;
                continue;
            }
            const bool differs = Differs(item);
            if (!WriteItem(item))
                return Fail(TLoadOutcome::WriteFailed, FailedRegister(item));
            report_.written += differs ? 1 : 0;
        }
        if (session_.IsTcp() && !session_.FlushWrites(TEquipComm::kFramedTimeoutSeconds))
            return Fail(TLoadOutcome::FlushFailed, 0);
        return true;
    }

private:
    bool Fail(TLoadOutcome outcome, int reg) {
        report_.outcome = outcome;
        report_.errorRegister = reg;
        return false;
    }

    bool Differs(const TItem& item) const {
        for (const auto& [reg, value] : ItemWords(session_, item))
            if (session_.FetchRegister(reg) != value)
                return true;
        return false;
    }

    int FailedRegister(const TItem& item) const { return ipHighFailed_ ? 1701 : item.key->error; }

    bool WriteItem(const TItem& item) {
        const TConfKey& key = *item.key;
        const auto words = ItemWords(session_, item);
        switch (key.kind) {
        case TConfKind::Password:
        case TConfKind::WifiText: {
            std::vector<int> values;
            values.reserve(words.size());
            for (const auto& word : words)
                values.push_back(word.second);
            return session_.WriteRegisters(key.reg, values, true);
        }
        case TConfKind::IpAddr:
            if (!session_.WriteRegister(words[0].first, words[0].second, true))
                return false;
            ipHighFailed_ = !session_.WriteRegister(words[1].first, words[1].second, true);
            return !ipHighFailed_;
        case TConfKind::BusAddress:
            return MoveBusAddress(std::get<int>(item.value));
        default:
            return session_.WriteRegister(words[0].first, words[0].second, true);
        }
    }

    // The unit moves to its new bus address before its per-unit settings are written there. Those
    // cells were read at the old address: read them at the new one, so that a file value equal to a
    // stale cell is still sent.
    bool MoveBusAddress(int address) {
        if (!session_.WriteRegister(kBusAddressRegister, address, true))
            return false;
        if (session_.IsTcp() && !session_.FlushWrites(TEquipComm::kFramedTimeoutSeconds))
            return false;
        QThread::msleep(kBusAddressPauseMs);
        if (!session_.ReadRegisters(kBusAddressRegister, 1) ||
            session_.FetchRegister(kBusAddressRegister) > kMaxBusAddress)
            return false;
        bool queued = true;
        for (const TItem& item : items_)
            if (item.key->kind == TConfKind::UnitValue)
                queued = session_.ReadRegisters(UnitRegister(session_, *item.key), 1, true) && queued;
        return session_.FlushReads() && queued;
    }

    TEquipComm& session_;
    const std::vector<TItem>& items_;
    TLoadReport& report_;
    bool ipHighFailed_ = false;
};

void WriteKey(TIniDocument& d, const TEquipComm& session, const TConfKey& key) {
    const TRegisterImage& image = session.Image();
    switch (key.kind) {
    case TConfKind::Password: {
        std::string password;
        for (int i = 0; i < 4; ++i)
            password.push_back(image.PasswordChar(i));
        d.WriteInteger(key.section, key.key, PasswordScramble::Pack(password));
        break;
    }
    case TConfKind::IpAddr:
        d.WriteInteger(key.section, key.key, static_cast<std::int32_t>(image.IpAddress()));
        break;
    case TConfKind::NetworkPort:
        if (session.NetworkPortFlag())
            d.WriteInteger(key.section, key.key, session.FetchRegister(key.reg));
        break;
    case TConfKind::WifiText:
        d.WriteString(key.section, key.key, ImageText(image, key.reg));
        break;
    case TConfKind::UnitValue:
    case TConfKind::BusAddress:
        d.WriteInteger(key.section, key.key, session.FetchRegister(UnitRegister(session, key)));
        break;
    case TConfKind::SerialNumber:
        d.WriteInteger(key.section, key.key, image.SerialNumber());
        break;
    case TConfKind::DateTime:
        d.WriteString(key.section, key.key, FormatDateTimeGenerated(NowInDays()));
        break;
    default:
        d.WriteInteger(key.section, key.key, session.FetchRegister(key.reg));
        break;
    }
}

} // namespace

std::vector<TConfDifference> DiffConfFile(TEquipComm& session, const std::string& path, TLoadReport& report) {
    report = TLoadReport();
    TIniDocument document;
    if (!document.Load(path, report.readError)) {
        report.outcome = TLoadOutcome::Unreadable;
        return {};
    }
    const TConfLoadPlan plan(session.Family(), session.NetworkPortFlag(), document, report);
    if (report.outcome != TLoadOutcome::Loaded)
        return {};
    // A file that moves the unit is compared with the entries of the address it moves it to.
    const int current = session.FetchRegister(kBusAddressRegister);
    int unit = current;
    for (const TItem& item : plan.Items())
        if (item.key->kind == TConfKind::BusAddress)
            unit = std::get<int>(item.value);
    if (unit != current) {
        bool queued = true;
        for (const TItem& item : plan.Items())
            if (item.key->kind == TConfKind::UnitValue)
                queued = session.ReadRegisters(item.key->reg + unit, 1, true) && queued;
        if (!session.FlushReads() || !queued) {
            report.outcome = TLoadOutcome::FlushFailed;
            return {};
        }
    }
    std::vector<TConfDifference> differences;
    for (const TItem& item : plan.Items()) {
        std::vector<int> file;
        std::vector<int> device;
        for (auto [reg, value] : ItemWords(session, item)) {
            if (item.key->kind == TConfKind::UnitValue)
                reg = item.key->reg + unit;
            file.push_back(value);
            device.push_back(session.FetchRegister(reg));
        }
        if (file != device)
            differences.push_back({item.key->section, item.key->key, ValuesText(*item.key, device),
                                   ValuesText(*item.key, file)});
    }
    return differences;
}

std::string FormatDateTimeGenerated(double days) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, days, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

TIniDocument ConfDocument(const TEquipComm& session) {
    TIniDocument document;
    for (const TConfKey& key : ConfSchema(session.Family()))
        WriteKey(document, session, key);
    return document;
}

bool SaveConfFile(const TEquipComm& session, const std::string& path) {
    return ConfDocument(session).Save(path);
}

TLoadReport CheckConfDocument(int family, bool networkPortFlag, const TIniDocument& document) {
    TLoadReport report;
    const TConfLoadPlan plan(family, networkPortFlag, document, report);
    return report;
}

TLoadReport CheckConfFile(const TEquipComm& session, const std::string& path) {
    TIniDocument document;
    TLoadReport report;
    if (!document.Load(path, report.readError)) {
        report.outcome = TLoadOutcome::Unreadable;
        return report;
    }
    return CheckConfDocument(session.Family(), session.NetworkPortFlag(), document);
}

bool LoadConfFile(TEquipComm& session, const std::string& path, const TLoadOptions& options,
                  TLoadReport& report) {
    report = TLoadReport();
    TIniDocument document;
    if (!document.Load(path, report.readError)) {
        report.outcome = TLoadOutcome::Unreadable;
        return false;
    }
    const TConfLoadPlan plan(session.Family(), session.NetworkPortFlag(), document, report);
    if (report.outcome != TLoadOutcome::Loaded)
        return false;
    if (!options.defaultsForMissing && !report.missingKeys.empty()) {
        report.outcome = TLoadOutcome::MissingKeys;
        return false;
    }
    return TLoader(session, plan.Items(), report).Write();
}

bool LoadConfFile(TEquipComm& session, const std::string& path, int& errorRegister) {
    TLoadReport report;
    const bool loaded = LoadConfFile(session, path, TLoadOptions(), report);
    errorRegister = report.errorRegister;
    return loaded;
}

} // namespace ConfFile
