// Whatever the device's registers hold, its live readings are short printable texts and its
// commissioning report is a well-formed page. The first byte chooses the family (low bits) and the
// network-port flag (bit 7); the rest are register and value pairs (two bytes each, little-endian).
#include "link/EquipComm.h"
#include "model/LiveReadings.h"
#include "model/SharedRegisters.h"
#include "persistence/CommissioningReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QXmlStreamReader>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRegisters = 4032; // what the devices answer

void CheckReading(const std::string& text) {
    if (text.empty() || text.size() > 40)
        std::abort();
    for (char c : text)
        if (static_cast<unsigned char>(c) < ' ' || c == 0x7F)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv); // the session's sockets want one
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    TEquipComm session;
    session.SetFamily((data[0] & 0x7F) % 5);
    session.SetNetworkPortFlag((data[0] & 0x80) != 0);
    for (std::size_t at = 1; at + 4 <= size; at += 4) {
        const int reg = (data[at] | data[at + 1] << 8) % kRegisters;
        session.StoreRegister(reg, static_cast<std::uint16_t>(data[at + 2] | data[at + 3] << 8));
    }
    const bool membrane = session.FetchRegister(SharedRegisters::kSignature) == 15012;
    const int unit = session.Family() == 1 ? session.FetchRegister(SharedRegisters::kBusAddress) : 0;
    for (const LiveReadings::TLiveReading& reading : LiveReadings::Of(session.Family(), membrane))
        CheckReading(LiveReadings::ValueText(reading, session.Image(), unit));

    const std::string html = CommissioningReport::Html(session, {1, QDateTime(), nullptr});
    QXmlStreamReader xml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        std::abort();
    return 0;
}
