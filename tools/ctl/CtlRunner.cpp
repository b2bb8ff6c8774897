#include "CtlRunner.h"

#include "CtlDeviceCommands.h"
#include "CtlWatch.h"
#include "LoadReportText.h"

#include "link/HostResolver.h"
#include "link/RtuFrame.h"
#include "model/DeviceIdentity.h"
#include "model/Family.h"
#include "model/SharedRegisters.h"
#include "persistence/CalibrationRecord.h"
#include "persistence/CommissioningReport.h"
#include "persistence/ConfFile.h"
#include "persistence/ConfRefresh.h"
#include "persistence/Cp1252.h"
#include "persistence/DataFolder.h"

#include <algorithm>
#include <span>

namespace {

constexpr int kDiffers = 3;     // diff-conf: the file would change settings
constexpr int kReadChunk = 125; // the longest RTU read; the framed flush packs chunks into lists
constexpr std::size_t kWriteChunk = RtuFrame::kMaxWriteCount; // the longest RTU write-multiple

QString Range(int first, int count) {
    return count == 1 ? QString::number(first) : QStringLiteral("%1..%2").arg(first).arg(first + count - 1);
}

} // namespace

TCtlRunner::TCtlRunner(const TCtlOptions& options, QTextStream& out, QTextStream& err)
    : options_(options), out_(out), err_(err), connection_(session_, options_.family) {
    session_.SetFamily(options_.family);
    session_.SetSlaveAddress(options_.address);
    session_.SetValueObserver([this](int reg, std::uint16_t value) { received_[reg] = value; });
}

int TCtlRunner::Fail(const QString& message) {
    err_ << "qel880ctl: " << message << Qt::endl;
    session_.Close();
    return 1;
}

int TCtlRunner::Run() {
    if (options_.ChangesDevice() && !options_.password)
        return Fail(QStringLiteral("refused: this command changes the device and needs --password"));
    if (!Open())
        return 1;
    if (options_.CommandFamily() && !CheckFamily(*options_.CommandFamily()))
        return 1;
    if (options_.ChangesDevice() && !CheckPassword())
        return 1;
    const int status = Dispatch();
    session_.Close();
    return status;
}

int TCtlRunner::Dispatch() {
    TCtlDeviceCommands device(session_, options_, out_, err_, [this](const QString& m) { return Fail(m); });
    switch (options_.command) {
    case TCtlCommand::Read:
        return Read();
    case TCtlCommand::Write:
        return Write();
    case TCtlCommand::Command:
        return Command();
    case TCtlCommand::Identify:
        return Identify();
    case TCtlCommand::SaveConf:
        return SaveConf();
    case TCtlCommand::LoadConf:
        return LoadConf();
    case TCtlCommand::DiffConf:
        return DiffConf();
    case TCtlCommand::Report:
        return Report();
    case TCtlCommand::Events:
        return device.Events();
    case TCtlCommand::EraseEvents:
        return device.EraseEvents();
    case TCtlCommand::Maxima:
        return device.Maxima();
    case TCtlCommand::Clock:
        return device.Clock();
    case TCtlCommand::ClockSet:
        return device.ClockSet();
    case TCtlCommand::PasswordSet:
        return PasswordSet();
    case TCtlCommand::Records:
        return device.Records();
    case TCtlCommand::EraseRecords:
        return device.EraseRecords();
    case TCtlCommand::Watch:
        return TCtlWatch(session_, received_, options_, out_, err_).Run();
    }
    return 2;
}

bool TCtlRunner::CheckFamily(int family) {
    // Asked before anything is sent: a command of another family's device would go to registers
    // that mean something else there.
    if (!ReadRange(SharedRegisters::kSignature, 1))
        return false;
    const int signature = received_[SharedRegisters::kSignature];
    const auto found = DeviceIdentity::FamilyOfSignature(signature);
    if (found == family)
        return true;
    const QString device = found ? QString::fromLatin1(Family::ModelName(*found))
                                 : QStringLiteral("a device of unknown signature %1").arg(signature);
    Fail(QStringLiteral("refused: the device is %1; %2 is a command of the %3, nothing sent")
             .arg(device, options_.commandName, QString::fromLatin1(Family::ModelName(family))));
    return false;
}

int TCtlRunner::PasswordSet() {
    std::vector<int> codes;
    for (QChar c : options_.newPassword)
        codes.push_back(c.unicode());
    if (!WriteRun(SharedRegisters::kPassword, codes))
        return 1;
    out_ << "password set" << Qt::endl;
    return 0;
}

bool TCtlRunner::Open() {
    using TStep = TDeviceConnection::TStep;
    TLinkTarget target;
    target.address = options_.address;
    if (!options_.serialPath.isEmpty()) {
        target.serial = true;
        target.port = options_.serialPath;
        target.line = options_.line;
        const TStep step = connection_.Open(target);
        if (step == TStep::Done)
            return true;
        QString message = QStringLiteral("cannot open serial port %1").arg(options_.serialPath);
        if (step == TStep::PortDenied)
            message += QStringLiteral(": permission denied; serial ports belong to the dialout group: add "
                                      "the user to it (sudo usermod -aG dialout $USER) and log in again");
        Fail(message);
        return false;
    }
    target.deviceIp = ResolveIPv4(options_.host);
    if (target.deviceIp.isEmpty()) {
        Fail(QStringLiteral("cannot resolve host %1 to an IPv4 address").arg(options_.host));
        return false;
    }
    target.pcIp = options_.localIp;
    target.tcpPort = options_.port;
    if (connection_.Open(target) != TStep::Done) {
        Fail(QStringLiteral("cannot connect to %1:%2 (local address %3)")
                 .arg(target.deviceIp)
                 .arg(options_.port)
                 .arg(options_.localIp.isEmpty() ? QStringLiteral("any") : options_.localIp));
        return false;
    }
    return true;
}

bool TCtlRunner::ReadRange(int first, int count) {
    for (int at = first; at < first + count; at += kReadChunk) {
        const int n = std::min(kReadChunk, first + count - at);
        if (!session_.ReadRegisters(at, n, true)) {
            Fail(QStringLiteral("no valid reply from the device reading registers %1").arg(Range(at, n)));
            return false;
        }
    }
    if (!session_.FlushReads()) {
        Fail(QStringLiteral("no reply from the device reading registers %1").arg(Range(first, count)));
        return false;
    }
    for (int reg = first; reg < first + count; ++reg) {
        if (!received_.contains(reg)) {
            Fail(QStringLiteral("the device sent no value for register %1").arg(reg));
            return false;
        }
    }
    return true;
}

bool TCtlRunner::CheckPassword() {
    if (!ReadRange(SharedRegisters::kPassword, SharedRegisters::kPasswordLength))
        return false;
    if (!DeviceIdentity::PasswordMatches(options_.password->toStdString(), session_.Image())) {
        Fail(QStringLiteral("refused: wrong password"));
        return false;
    }
    return true;
}

int TCtlRunner::Read() {
    if (!ReadRange(options_.first, options_.count))
        return 1;
    for (int reg = options_.first; reg < options_.first + options_.count; ++reg)
        out_ << reg << ' ' << received_[reg] << '\n';
    out_.flush();
    return 0;
}

int TCtlRunner::Write() {
    const std::span<const int> values = options_.values;
    for (std::size_t at = 0; at < values.size(); at += kWriteChunk) {
        const auto run = values.subspan(at, std::min(kWriteChunk, values.size() - at));
        if (!WriteRun(options_.first + static_cast<int>(at), run))
            return 1;
    }
    return 0;
}

bool TCtlRunner::WriteRun(int first, std::span<const int> values) {
    const int n = static_cast<int>(values.size());
    for (int reg = first; reg < first + n; ++reg)
        received_.erase(reg);
    const bool answered = session_.WriteRegisters(first, values, false, true);
    // The session checks the read-back against the image, which has no cell for a register outside
    // the family's map: what came back on the wire decides.
    for (int reg = first; reg < first + n; ++reg) {
        if (!received_.contains(reg)) {
            Fail(QStringLiteral("no reply from the device reading back register %1").arg(Range(first, n)));
            return false;
        }
    }
    // Over TCP the write's own reply counts the refused items; over RTU the read-back is the only answer.
    if (session_.IsTcp() && !answered) {
        Fail(QStringLiteral("the device refused the write of register %1").arg(Range(first, n)));
        return false;
    }
    for (int i = 0; i < n; ++i) {
        const int reg = first + i;
        if (received_[reg] != values[static_cast<std::size_t>(i)]) {
            Fail(QStringLiteral("the device did not confirm the write of register %1: it reads %2")
                     .arg(reg)
                     .arg(received_[reg]));
            return false;
        }
    }
    return true;
}

int TCtlRunner::Command() {
    if (!session_.SendCommand(options_.values.front()))
        return Fail(QStringLiteral("the device did not confirm command %1").arg(options_.values.front()));
    return 0;
}

int TCtlRunner::Identify() {
    using namespace DeviceIdentity;
    if (!ReadRange(SharedRegisters::kFirmware, 3) || !ReadRange(SharedRegisters::kSerialNumber, 2))
        return 1;
    const int signature = received_[SharedRegisters::kSignature];
    const auto family = FamilyOfSignature(signature);
    out_ << "signature " << signature << '\n'
         << "family " << (family ? QString::number(*family) : QStringLiteral("unknown")) << '\n'
         << "firmware " << QString::fromStdString(PackedVersionText(received_[SharedRegisters::kFirmware]))
         << '\n'
         << "minimum-program "
         << QString::fromStdString(PackedVersionText(received_[SharedRegisters::kMinProgram])) << '\n'
         << "serial " << session_.Image().SerialNumber() << '\n';
    out_.flush();
    return 0;
}

bool TCtlRunner::DecideNetworkPorts() {
    if (connection_.DecideNetworkPorts())
        return true;
    Fail(QStringLiteral("no reply from the device reading register %1 (network ports)")
             .arg(SharedRegisters::kNetworkPortsProbe));
    return false;
}

bool TCtlRunner::RefreshImage() {
    if (!RefreshConfiguration(session_)) {
        Fail(QStringLiteral("Error reading the configuration from the device."));
        return false;
    }
    return true;
}

int TCtlRunner::SaveConf() {
    if (!DecideNetworkPorts() || !RefreshImage())
        return 1;
    if (!ConfFile::SaveConfFile(session_, options_.file.toStdString()))
        return Fail(QStringLiteral("Error saving the configuration (%1)").arg(options_.file));
    out_ << "saved" << Qt::endl;
    return 0;
}

int TCtlRunner::LoadConf() {
    const std::string path = options_.file.toStdString();
    // The file is checked before the device's settings are read: a file that cannot load costs no
    // more than the network-port read its keys depend on.
    if (!DecideNetworkPorts())
        return 1;
    TLoadReport report = ConfFile::CheckConfFile(session_, path);
    if (report.outcome == TLoadOutcome::Loaded && !options_.defaultsForMissing && !report.missingKeys.empty())
        report.outcome = TLoadOutcome::MissingKeys;
    if (report.outcome != TLoadOutcome::Loaded)
        return Fail(LoadReportText(report, options_.file, session_.Family()));
    if (!RefreshImage())
        return 1;
    TLoadOptions load;
    load.defaultsForMissing = options_.defaultsForMissing;
    if (!ConfFile::LoadConfFile(session_, path, load, report))
        return Fail(LoadReportText(report, options_.file, session_.Family()));
    out_ << "loaded" << Qt::endl;
    return 0;
}

int TCtlRunner::DiffConf() {
    if (!DecideNetworkPorts() || !RefreshImage())
        return 1;
    TLoadReport report;
    const auto differences = ConfFile::DiffConfFile(session_, options_.file.toStdString(), report);
    if (report.outcome == TLoadOutcome::FlushFailed)
        return Fail(
            QStringLiteral("no reply from the device reading the settings at the file's bus address"));
    if (report.outcome != TLoadOutcome::Loaded)
        return Fail(LoadReportText(report, options_.file, session_.Family()));
    for (const ConfFile::TConfDifference& d : differences)
        out_ << QString::fromStdString(d.section) << ' ' << QString::fromStdString(d.key) << ' '
             << Cp1252::ToUnicode(d.device) << ' ' << Cp1252::ToUnicode(d.file) << '\n';
    out_.flush();
    return differences.empty() ? 0 : kDiffers;
}

int TCtlRunner::Report() {
    // The report names the device by the family asked for: another family's registers would
    // read as nonsense under its headings.
    if (!CheckFamily(options_.family))
        return 1;
    if (!DecideNetworkPorts())
        return 1;
    if (!CommissioningReport::Read(session_))
        return Fail(QStringLiteral("Error reading the configuration from the device."));
    TCalibrationRecord record(DataFolder());
    record.Load(session_.Image().SerialNumber());
    const CommissioningReport::TInputs inputs{1, QDateTime::currentDateTime(), &record};
    if (!CommissioningReport::SaveHtml(CommissioningReport::Html(session_, inputs),
                                       options_.file.toStdString()))
        return Fail(QStringLiteral("cannot write the report (%1)").arg(options_.file));
    out_ << "saved" << Qt::endl;
    return 0;
}
