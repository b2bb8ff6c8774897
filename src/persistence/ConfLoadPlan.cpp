#include "persistence/ConfLoadPlan.h"

#include "model/DeviceIdentity.h"
#include "persistence/IniDocument.h"
#include "persistence/PasswordScramble.h"

namespace {

constexpr int kMaxBusAddress = 15;

std::string KeyName(const TConfKey& key) {
    return key.section + "/" + key.key;
}

} // namespace

TConfLoadPlan::TConfLoadPlan(int family, bool networkPortFlag, const TIniDocument& document,
                             TLoadReport& report)
    : networkPortFlag_(networkPortFlag) {
    report.outcome = TLoadOutcome::Loaded;
    report.errorRegister = 0;
    const std::vector<TConfKey>& schema = ConfSchema(family);
    // Without its general section a file would load every general default, the signature check
    // included: not a configuration file.
    if (schema.empty() || !document.HasSection(kGeneralConf)) {
        report.outcome = TLoadOutcome::NotConfFile;
        return;
    }
    if (!CheckSignature(family, document, report))
        return;
    for (const TConfKey& key : schema) {
        if (!CheckKey(key, document, report)) {
            items_.clear();
            return;
        }
    }
}

bool TConfLoadPlan::CheckSignature(int family, const TIniDocument& document, TLoadReport& report) {
    const auto signature = document.Value(kGeneralConf, "DeviceSignature");
    const int sig = signature ? ParseIniInteger(*signature).value_or(-1) : 0;
    if (DeviceIdentity::ConfSignatureAccepted(family, sig))
        return true;
    report.outcome = TLoadOutcome::OtherFamily;
    report.errorRegister = -1;
    return false;
}

bool TConfLoadPlan::Refuse(const TConfKey& key, const std::string& text, TLoadReport& report) {
    report.outcome = TLoadOutcome::BadValue;
    report.errorRegister = key.error;
    report.badKey = KeyName(key);
    report.badValue = text;
    return false;
}

bool TConfLoadPlan::CheckKey(const TConfKey& key, const TIniDocument& document, TLoadReport& report) {
    const auto text = document.Value(key.section, key.key);
    switch (key.kind) {
    case TConfKind::Firmware:
    case TConfKind::SerialNumber:
    case TConfKind::DateTime:
    case TConfKind::Signature:
    case TConfKind::SaveOnly:
        return true;
    case TConfKind::Password: {
        // Only a readable password is written: a garbled one would lock the device.
        if (!text)
            return true;
        const auto value = ParseIniInteger(*text);
        if (!value)
            return Refuse(key, *text, report);
        if (const auto letters = PasswordScramble::UnpackLetters(*value))
            items_.push_back({&key, *letters});
        return true;
    }
    case TConfKind::WifiText:
        if (!text)
            report.missingKeys.push_back(KeyName(key));
        items_.push_back({&key, text.value_or(key.textFallback)});
        return true;
    case TConfKind::NetworkPort:
        if (!networkPortFlag_)
            return true;
        break;
    default:
        break;
    }
    if (!text)
        report.missingKeys.push_back(KeyName(key));
    const auto value = text ? ParseIniInteger(*text) : key.fallback;
    if (!value)
        return Refuse(key, *text, report);
    if (key.kind != TConfKind::IpAddr) {
        const int high = key.kind == TConfKind::BusAddress ? kMaxBusAddress : 0xFFFF;
        if (*value < 0 || *value > high)
            return Refuse(key, text.value_or(std::to_string(*value)), report);
    }
    items_.push_back({&key, *value});
    return true;
}
