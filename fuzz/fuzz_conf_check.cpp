// Checking a configuration file sends nothing; whatever the file holds, the report must be one a
// load can act on. The first byte chooses the family (low bits) and the network-port flag (bit 7);
// the rest is the file.
#include "persistence/ConfFile.h"
#include "persistence/ConfSchema.h"
#include "persistence/IniDocument.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::optional<std::string> ValueOf(const TIniDocument& document, const std::string& sectionAndKey) {
    const auto slash = sectionAndKey.find('/');
    if (slash == std::string::npos)
        std::abort();
    return document.Value(sectionAndKey.substr(0, slash), sectionAndKey.substr(slash + 1));
}

// A refused value is the file's own text, and one no key of any family can take.
void CheckRefusal(const TIniDocument& document, const TLoadReport& report) {
    if (report.badKey.empty() || report.errorRegister <= 0 ||
        ValueOf(document, report.badKey) != report.badValue)
        std::abort();
    const auto number = ParseIniInteger(report.badValue);
    const int high = report.badKey == "ConfParalelismo/EnderecoBus" ? 15 : 0xFFFF;
    if (number && *number >= 0 && *number <= high)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const int family = (data[0] & 0x7F) % 5;
    const bool networkPortFlag = (data[0] & 0x80) != 0;
    TIniDocument document;
    document.Parse(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    const TLoadReport report = ConfFile::CheckConfDocument(family, networkPortFlag, document);

    if (report.written != 0 || report.readError != SmallFile::TReadError::None)
        std::abort();
    for (const std::string& missing : report.missingKeys)
        if (ValueOf(document, missing))
            std::abort();
    const auto signature = document.Value(kGeneralConf, "DeviceSignature");
    const bool unsignedFile = !signature || ParseIniInteger(*signature) == 0;
    switch (report.outcome) {
    case TLoadOutcome::Loaded:
        if (report.errorRegister != 0 || !report.badKey.empty() || !report.badValue.empty())
            std::abort();
        break;
    case TLoadOutcome::NotConfFile:
        if (report.errorRegister != 0 || document.HasSection(kGeneralConf))
            std::abort();
        break;
    case TLoadOutcome::OtherFamily:
        // A file without a signature loads into any family.
        if (report.errorRegister != -1 || unsignedFile)
            std::abort();
        break;
    case TLoadOutcome::BadValue:
        CheckRefusal(document, report);
        break;
    default: // the rest need a device
        std::abort();
    }
    return 0;
}
