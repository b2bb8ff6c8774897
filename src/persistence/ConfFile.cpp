#include "persistence/ConfFile.h"

#include "link/EquipComm.h"
#include "model/DeviceIdentity.h"
#include "persistence/ConfSchema.h"
#include "persistence/IniDocument.h"
#include "persistence/PasswordScramble.h"

#include <QDateTime>
#include <QThread>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <variant>

namespace ConfFile {
namespace {

constexpr int kBusAddressRegister = 1951;
constexpr int kMaxBusAddress = 15;
constexpr int kWifiRegisters = 16;
constexpr int kWifiCharacters = 32;
constexpr int kGeneralPauseMs = 50;
constexpr int kBusAddressPauseMs = 300;

double NowInDays() {
    const QDateTime now = QDateTime::currentDateTime(); // local time
    return static_cast<double>(QDate(1899, 12, 30).daysTo(now.date())) +
           now.time().msecsSinceStartOfDay() / 86400000.0;
}

std::vector<int> TextRegisters(const std::string& text) {
    std::vector<int> regs(kWifiRegisters, 0);
    const std::size_t n = std::min<std::size_t>(text.size(), kWifiCharacters);
    for (std::size_t i = 0; i < n; ++i)
        regs[i / 2] |= static_cast<std::uint8_t>(text[i]) << (8 * (i % 2));
    return regs;
}

std::string ImageText(const TRegisterImage& image, int first) {
    return first == 1720 ? image.WifiName() : image.WifiPassword();
}

int UnitRegister(const TEquipComm& session, const TConfKey& key) {
    return key.reg + session.FetchRegister(kBusAddressRegister);
}

// One value of the file, checked and ready to write.
struct TItem {
    const TConfKey* key;
    std::variant<int, std::string> value;
};

class TLoader {
public:
    TLoader(TEquipComm& session, const TIniDocument& document) : session_(session), document_(document) {}

    // The file's values (defaults where missing), or the error register of the first bad one.
    std::optional<int> Check(const std::vector<TConfKey>& schema) {
        for (const TConfKey& key : schema) {
            const auto text = document_.Value(key.section, key.key);
            switch (key.kind) {
            case TConfKind::Firmware:
            case TConfKind::SerialNumber:
            case TConfKind::DateTime:
            case TConfKind::Signature:
            case TConfKind::SaveOnly:
                break;
            case TConfKind::NetworkPort:
                if (!session_.NetworkPortFlag())
                    break;
                [[fallthrough]];
            case TConfKind::Value:
            case TConfKind::UnitValue:
            case TConfKind::WifiPort:
            case TConfKind::BusAddress: {
                const auto value = text ? ParseIniInteger(*text) : key.fallback;
                const int high = key.kind == TConfKind::BusAddress ? kMaxBusAddress : 0xFFFF;
                if (!value || *value < 0 || *value > high)
                    return key.error;
                items_.push_back({&key, *value});
                break;
            }
            case TConfKind::IpAddr: {
                const auto value = text ? ParseIniInteger(*text) : key.fallback;
                if (!value)
                    return key.error;
                items_.push_back({&key, *value});
                break;
            }
            case TConfKind::Password: {
                // Only a readable password is written: a garbled one would lock the device.
                if (!text)
                    break;
                const auto value = ParseIniInteger(*text);
                if (!value)
                    return key.error;
                if (const auto letters = PasswordScramble::UnpackLetters(*value))
                    items_.push_back({&key, *letters});
                break;
            }
            case TConfKind::WifiText:
                items_.push_back({&key, text.value_or(key.textFallback)});
                break;
            }
        }
        return std::nullopt;
    }

    bool Write(int& errorRegister) {
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
                for (; i < order.size() && order[i]->key->kind == TConfKind::WifiPort; ++i)
                    ports.push_back(std::get<int>(order[i]->value));
                --i;
                if (!session_.WriteRegisters(1760, ports, true))
                    return Fail(errorRegister, item.key->error);
                continue;
            }
            if (!WriteItem(item))
                return Fail(errorRegister, FailedRegister(item));
        }
        if (session_.IsTcp() && !session_.FlushWrites(TEquipComm::kFramedTimeoutSeconds))
            return Fail(errorRegister, 0);
        return true;
    }

private:
    static bool Fail(int& errorRegister, int reg) {
        errorRegister = reg;
        return false;
    }

    int FailedRegister(const TItem& item) const { return ipHighFailed_ ? 1701 : item.key->error; }

    bool WriteItem(const TItem& item) {
        const TConfKey& key = *item.key;
        switch (key.kind) {
        case TConfKind::Password: {
            const std::string& letters = std::get<std::string>(item.value);
            const std::vector<int> chars(letters.begin(), letters.end());
            return session_.WriteRegisters(key.reg, chars, true);
        }
        case TConfKind::IpAddr: {
            const auto address = static_cast<std::uint32_t>(std::get<int>(item.value));
            if (!session_.WriteRegister(1700, static_cast<int>(address & 0xFFFF), true))
                return false;
            ipHighFailed_ = !session_.WriteRegister(1701, static_cast<int>(address >> 16), true);
            return !ipHighFailed_;
        }
        case TConfKind::WifiText:
            return session_.WriteRegisters(key.reg, TextRegisters(std::get<std::string>(item.value)), true);
        case TConfKind::BusAddress:
            return MoveBusAddress(std::get<int>(item.value));
        case TConfKind::UnitValue:
            return session_.WriteRegister(UnitRegister(session_, key), std::get<int>(item.value), true);
        default:
            return session_.WriteRegister(key.reg, std::get<int>(item.value), true);
        }
    }

    // The unit moves to its new bus address before its per-unit settings are written there.
    bool MoveBusAddress(int address) {
        if (!session_.WriteRegister(kBusAddressRegister, address, true))
            return false;
        if (session_.IsTcp() && !session_.FlushWrites(TEquipComm::kFramedTimeoutSeconds))
            return false;
        QThread::msleep(kBusAddressPauseMs);
        return session_.ReadRegisters(kBusAddressRegister, 1) &&
               session_.FetchRegister(kBusAddressRegister) <= kMaxBusAddress;
    }

    TEquipComm& session_;
    const TIniDocument& document_;
    std::vector<TItem> items_;
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

std::string FormatDateTimeGenerated(double days) {
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, days, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(text, end) : std::string("0");
}

bool SaveConfFile(const TEquipComm& session, const std::string& path) {
    TIniDocument document;
    for (const TConfKey& key : ConfSchema(session.Family()))
        WriteKey(document, session, key);
    return document.Save(path);
}

bool LoadConfFile(TEquipComm& session, const std::string& path, int& errorRegister) {
    errorRegister = 0;
    const std::vector<TConfKey>& schema = ConfSchema(session.Family());
    TIniDocument document;
    if (schema.empty() || !document.Load(path))
        return false;
    const bool anySection = std::any_of(
        schema.begin(), schema.end(), [&](const TConfKey& key) { return document.HasSection(key.section); });
    if (!anySection)
        return false;
    const auto signature = document.Value(kGeneralConf, "DeviceSignature");
    const int sig = signature ? ParseIniInteger(*signature).value_or(-1) : 0;
    if (!DeviceIdentity::ConfSignatureAccepted(session.Family(), sig)) {
        errorRegister = kOtherFamily;
        return false;
    }
    TLoader loader(session, document);
    if (const auto bad = loader.Check(schema)) {
        errorRegister = *bad;
        return false;
    }
    return loader.Write(errorRegister);
}

} // namespace ConfFile
