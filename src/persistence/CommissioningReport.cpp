#include "persistence/CommissioningReport.h"

#include "link/EquipComm.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/LiveReadings.h"
#include "model/SharedRegisters.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/CommissioningReportTexts.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"
#include "persistence/ConfSchema.h"
#include "persistence/Cp1252.h"
#include "persistence/IniDocument.h"
#include "persistence/SmallFile.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <vector>

namespace CommissioningReport {
namespace {

using namespace CommissioningReportTexts;

constexpr int kMaxRun = 100;
constexpr int kConfColumns = 3; // key and value pairs per row: the thermal file fits on a page or two

bool IsMembrane(const TEquipComm& session) {
    return session.FetchRegister(SharedRegisters::kSignature) == DeviceIdentity::kMembraneSignature;
}

int UnitAddress(const TEquipComm& session) {
    return session.Family() == Family::kParallelism ? session.FetchRegister(SharedRegisters::kBusAddress) : 0;
}

const std::vector<LiveReadings::TLiveReading>& ReadingsOf(const TEquipComm& session) {
    return LiveReadings::Of(session.Family(), IsMembrane(session));
}

// Device texts are code-page bytes; anything XML cannot carry (control characters) is replaced.
QString Escape(const QString& text) {
    QString clean;
    clean.reserve(text.size());
    for (QChar c : text)
        clean += (c.unicode() < 0x20 && c != '\t') || (c.unicode() >= 0x7F && c.unicode() < 0xA0)
                     ? QChar(0xFFFD)
                     : c;
    return clean.toHtmlEscaped();
}

QString Bytes(const std::string& text) {
    return Escape(Cp1252::ToUnicode(text));
}

QString Dotted(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

class TPage {
public:
    TPage(const TEquipComm& session, const TInputs& inputs) : session_(session), inputs_(inputs) {}

    std::string Build() {
        const QString title = T(Title) + " — " + QString::fromLatin1(Family::ModelName(session_.Family()));
        html_ = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"" + LanguageCode() +
                "\">\n<head>\n<meta charset=\"utf-8\"/>\n<title>" + Escape(title) + "</title>\n<style>" +
                kStyle + "</style>\n</head>\n<body>\n<h1>" + Escape(title) + "</h1>\n";
        AddIdentity();
        AddReadings();
        AddConfiguration();
        AddCalibration();
        html_ += "</body>\n</html>\n";
        return html_.toStdString();
    }

private:
    static constexpr const char* kStyle =
        "body{font-family:sans-serif;font-size:8pt}h1{font-size:13pt}h2{font-size:11pt;margin-top:8pt}"
        "h3{font-size:9pt;margin:4pt 0 2pt 0}table{border-collapse:collapse;margin-bottom:4pt}"
        "th,td{border:1px solid #999;padding:1px 4px;text-align:left}th{background:#e4e4e4}"
        "td.key{color:#333}td.value{font-weight:bold}table.calibration td{font-size:7pt}";

    QString T(TId id) const { return QString::fromUtf8(Text(id, inputs_.language)); }
    QString LanguageCode() const {
        static const char* const kCodes[] = {"pt", "en", "es"};
        return kCodes[Language::Index(inputs_.language)];
    }
    int V(int reg) const { return session_.FetchRegister(reg); }

    // Widths in percent of the page, per heading; none: as the cells need.
    void OpenTable(const QString& cls, const QStringList& headings, const std::vector<int>& widths = {}) {
        html_ +=
            "<table class=\"" + cls + "\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">\n";
        if (headings.isEmpty())
            return;
        html_ += "<tr>";
        for (qsizetype i = 0; i < headings.size(); ++i) {
            const auto at = static_cast<std::size_t>(i);
            html_ += (at < widths.size() ? QStringLiteral("<th width=\"%1%\">").arg(widths[at])
                                         : QString("<th>")) +
                     Escape(headings[i]) + "</th>";
        }
        html_ += "</tr>\n";
    }

    void Row(const QString& cls, const QStringList& cells) {
        html_ += "<tr class=\"" + cls + "\">";
        for (const QString& c : cells)
            html_ += "<td>" + c + "</td>";
        html_ += "</tr>\n";
    }

    void AddIdentity() {
        html_ += "<h2>" + T(Identity) + "</h2>\n";
        OpenTable("identity", {});
        const TRegisterImage& image = session_.Image();
        auto pair = [this](TId id, const QString& value) { Row("identity", {Escape(T(id)), Escape(value)}); };
        pair(Date, inputs_.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        pair(ProgramVersion, QString::fromStdString(DeviceIdentity::ProgramVersionText()));
        pair(Model, QString::fromLatin1(Family::ModelName(session_.Family())));
        pair(SerialNumber, QString::number(image.SerialNumber()));
        pair(Firmware,
             QString::fromStdString(DeviceIdentity::PackedVersionText(V(SharedRegisters::kFirmware))));
        pair(IpAddress, Dotted(image.IpAddress()));
        pair(IpPort, QString::number(V(SharedRegisters::kIpPort)));
        if (session_.NetworkPortFlag()) {
            pair(ModbusPort, QString::number(V(SharedRegisters::kIpPort + 1)));
            pair(Dnp3Port, QString::number(V(SharedRegisters::kNetworkPortsProbe)));
        }
        if (session_.Family() == Family::kParallelism)
            pair(BusAddress, QString::number(UnitAddress(session_)));
        html_ += "</table>\n";
    }

    void AddReadings() {
        html_ += "<h2>" + T(Readings) + "</h2>\n";
        OpenTable("readings", {T(Quantity), T(Value), T(Unit), T(Register)});
        const int unit = UnitAddress(session_);
        for (const LiveReadings::TLiveReading& r : ReadingsOf(session_)) {
            QString name =
                QString::fromUtf8(r.name[static_cast<std::size_t>(Language::Index(inputs_.language))]);
            if (r.number > 0)
                name += ' ' + QString::number(r.number);
            const int reg = r.kind == LiveReadings::TKind::PerUnit ? r.reg + unit : r.reg;
            Row("reading",
                {Escape(name), QString::fromStdString(LiveReadings::ValueText(r, session_.Image(), unit)),
                 Escape(QString::fromUtf8(r.unit)), QString::number(reg)});
        }
        html_ += "</table>\n";
    }

    // By section in the order the file has them, each with its keys in file order.
    void AddConfiguration() {
        html_ += "<h2>" + T(Configuration) + "</h2>\n";
        const TIniDocument document = ConfFile::ConfDocument(session_);
        const std::vector<TConfKey>& schema = ConfSchema(session_.Family());
        std::vector<std::string> sections;
        for (const TConfKey& key : schema)
            if (std::find(sections.begin(), sections.end(), key.section) == sections.end())
                sections.push_back(key.section);
        for (const std::string& section : sections) {
            html_ += "<h3>" + Bytes(section) + "</h3>\n";
            OpenTable("conf", {});
            int column = 0;
            for (const TConfKey& key : schema) {
                const auto value = document.Value(key.section, key.key);
                if (key.section != section || !value)
                    continue; // a value not saved by this device: the network ports
                if (column == 0)
                    html_ += "<tr>";
                // Passwords, the device's and its Wi-Fi network's, never go into a report.
                const bool secret =
                    key.kind == TConfKind::Password || key.key == std::string_view("WifiPass");
                const QString shown = secret ? Escape(T(Hidden)) : Bytes(*value);
                html_ +=
                    "<td class=\"key\">" + Bytes(key.key) + "</td><td class=\"value\">" + shown + "</td>";
                if (++column == kConfColumns)
                    CloseConfRow(column);
            }
            CloseConfRow(column);
            html_ += "</table>\n";
        }
    }

    void CloseConfRow(int& column) {
        if (column == 0)
            return;
        for (; column < kConfColumns; ++column)
            html_ += "<td></td><td></td>";
        html_ += "</tr>\n";
        column = 0;
    }

    struct TNamedLine {
        QString name;
        const TCalibrationLine* line;
    };

    std::vector<TNamedLine> CalibratedLines() const {
        std::vector<TNamedLine> lines;
        const TCalibrationRecord& record = *inputs_.calibration;
        auto add = [&lines](const QString& name, const TCalibrationLine& line) {
            if (line.points > 0)
                lines.push_back({name, &line});
        };
        for (std::size_t k = 0; k < record.rtds.size(); ++k)
            add(T(Rtd) + QStringLiteral(" %1").arg(k + 1), record.rtds[k]);
        for (std::size_t k = 0; k < record.currentInputs.size(); ++k)
            add(T(CurrentInput) + QStringLiteral(" %1").arg(k + 1), record.currentInputs[k]);
        for (std::size_t k = 0; k < record.currentOutputs.size(); ++k) {
            add(T(CurrentOutput) + QStringLiteral(" %1").arg(k + 1), record.currentOutputs[k].standard);
            add(T(CurrentOutputLow) + QStringLiteral(" (%1)").arg(k + 1), record.currentOutputs[k].lowRange);
        }
        return lines;
    }

    void AddCalibration() {
        if (session_.Family() != Family::kThermal || !inputs_.calibration)
            return;
        const std::vector<TNamedLine> lines = CalibratedLines();
        if (lines.empty())
            return;
        html_ += "<h2>" + T(Calibration) + "</h2>\n";
        OpenTable("calibration", {T(CalibrationLine), T(Gain), T(Offset), T(Points)}, {14, 7, 7, 72});
        // The shortest text that reads back as the same float: the record's 15 digits would only
        // show the float's rounding.
        auto number = [](float v) {
            char text[32];
            const auto end = std::to_chars(text, text + sizeof text, v).ptr;
            return QString::fromLatin1(text, end - text);
        };
        for (const TNamedLine& l : lines) {
            QStringList points;
            for (std::size_t i = 0; i < static_cast<std::size_t>(l.line->points); ++i)
                points << "(" + number(l.line->x[i]) + "; " + number(l.line->y[i]) + ")";
            Row("calibration",
                {Escape(l.name), number(l.line->gain), number(l.line->offset), Escape(points.join(' '))});
        }
        html_ += "</table>\n";
    }

    const TEquipComm& session_;
    const TInputs& inputs_;
    QString html_;
};

} // namespace

bool Read(TEquipComm& session) {
    if (!RefreshConfiguration(session))
        return false;
    const std::set<int> regs = LiveReadings::Registers(ReadingsOf(session), UnitAddress(session));
    std::vector<int> sorted(regs.begin(), regs.end());
    bool queued = true;
    for (std::size_t i = 0; i < sorted.size();) {
        std::size_t j = i + 1;
        while (j < sorted.size() && sorted[j] == sorted[j - 1] + 1 && static_cast<int>(j - i) < kMaxRun)
            ++j;
        queued = session.ReadRegisters(sorted[i], static_cast<int>(j - i), true) && queued;
        i = j;
    }
    return session.FlushReads() && queued;
}

std::string Html(const TEquipComm& session, const TInputs& inputs) {
    return TPage(session, inputs).Build();
}

bool SaveHtml(const std::string& html, const std::string& path) {
    return SmallFile::Write(path, html);
}

} // namespace CommissioningReport
