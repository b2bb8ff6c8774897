#include "link/DeviceConnection.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceIdentity.h"
#include "model/SharedRegisters.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>

#include <cmath>

TDeviceConnection::TDeviceConnection(TEquipComm& session, int family)
    : session_(session), profile_(FamilyProfiles::Of(family)) {}

bool TDeviceConnection::LoggedIn() const {
    return phase_ == TPhase::LoggedIn || phase_ == TPhase::Busy || phase_ == TPhase::Silent;
}

bool TDeviceConnection::Answering() const {
    return answered_ && session_.IsConnected();
}

void TDeviceConnection::SetPhase(TPhase phase) {
    if (phase == phase_)
        return;
    phase_ = phase;
    emit phaseChanged();
}

TDeviceFacts TDeviceConnection::Facts() const {
    TDeviceFacts facts;
    facts.membrane = membrane_;
    if (profile_.unitIndex) {
        const int unit = session_.FetchRegister(SharedRegisters::kBusAddress);
        facts.unit = unit >= 0 && unit < TFamilyProfile::kUnits ? unit : 0;
    }
    return facts;
}

void TDeviceConnection::ForgetDevice() {
    // What the image still holds of another device must not pass for what this one answers.
    session_.StoreRegister(SharedRegisters::kSignature, 0);
    session_.StoreRegister(SharedRegisters::kSerialNumber, 0);
    session_.StoreRegister(SharedRegisters::kSerialNumber + 1, 0);
    for (int i = 0; i < SharedRegisters::kPasswordLength; ++i)
        session_.StoreRegister(SharedRegisters::kPassword + i, 0);
}

bool TDeviceConnection::WaitForTcp(const std::function<void(int)>& waiting, int waitMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer tick;
    auto check = [&] {
        if (waiting)
            waiting(static_cast<int>(std::lround(static_cast<double>(elapsed.elapsed()) / 1000.0)));
        if (session_.IsConnected() || !session_.IsConnecting() || elapsed.elapsed() >= waitMs)
            loop.quit();
    };
    QObject::connect(&tick, &QTimer::timeout, &loop, check);
    // A refused attempt ends the wait at once.
    QObject::connect(&session_, &TEquipComm::linkStateChanged, &loop, [&] {
        if (!session_.IsConnecting())
            loop.quit();
    });
    tick.start(100);
    if (session_.IsConnecting())
        loop.exec();
    return session_.IsConnected();
}

TDeviceConnection::TStep TDeviceConnection::Open(const TLinkTarget& target,
                                                 const std::function<void(int)>& waiting, int waitMs) {
    const bool recovering = phase_ == TPhase::Recovering;
    if (!recovering) {
        target_ = target;
        keepsTarget_ = false;
        SetPhase(TPhase::Opening);
    }
    ForgetDevice();
    membrane_ = false;
    answered_ = false;
    otherFamily_.reset();
    failedPolls_ = 0;
    session_.SetFamily(profile_.family);
    bool opened = false;
    if (target.serial) {
        session_.SetSlaveAddress(target.address);
        opened = session_.OpenSerial(target.port, target.line, target.comPort);
    } else {
        opened =
            session_.OpenTcp(target.deviceIp, target.pcIp, target.tcpPort) && WaitForTcp(waiting, waitMs);
    }
    if (!opened) {
        const bool denied = target.serial && session_.SerialAccessDenied();
        session_.Close(); // a connection still pending must not complete later
        if (!recovering)
            SetPhase(TPhase::Closed);
        return denied ? TStep::PortDenied : TStep::AccessError;
    }
    if (!recovering)
        SetPhase(TPhase::Identifying);
    return TStep::Done;
}

TDeviceConnection::TStep TDeviceConnection::Identify() {
    auto fail = [this](TStep step) {
        session_.Close();
        SetPhase(TPhase::Closed);
        return step;
    };
    const bool serial = !session_.IsTcp();
    if ((!serial || profile_.languageFirstOverSerial) &&
        !session_.ReadRegisters(SharedRegisters::kLanguage, 1))
        return fail(TStep::NotAnswering);
    if (!session_.ReadRegisters(SharedRegisters::kSignature, 1))
        return fail(TStep::NoSignature);
    const int signature = session_.FetchRegister(SharedRegisters::kSignature);
    membrane_ = serial && profile_.serialOnlySignature != 0 && signature == profile_.serialOnlySignature;
    if (signature != profile_.signature && !membrane_) {
        for (const auto& [other, family] : profile_.switches) {
            if (signature == other) {
                otherFamily_ = family;
                return fail(TStep::OtherFamily);
            }
        }
        return fail(TStep::InvalidSignature);
    }
    if (serial && profile_.serialSettingProbe >= 0 && !session_.ReadRegisters(profile_.serialSettingProbe, 1))
        return fail(TStep::NotAnswering);
    if (profile_.unitIndex) {
        if (!session_.ReadRegisters(SharedRegisters::kBusAddress, 1))
            return fail(TStep::NotAnswering);
        // A place beyond the tables would read and show another unit's entries.
        unitReported_ = session_.FetchRegister(SharedRegisters::kBusAddress);
        if (unitReported_ < 0 || unitReported_ >= TFamilyProfile::kUnits)
            return fail(TStep::BadUnit);
    }
    if (!DecideNetworkPorts())
        return fail(TStep::NotAnswering);
    ReadInitial();
    answered_ = true;
    return TStep::Done;
}

bool TDeviceConnection::DecideNetworkPorts() {
    if (session_.IsTcp()) {
        session_.SetNetworkPortFlag(true);
        return session_.IsConnected();
    }
    const bool read = session_.ReadRegisters(SharedRegisters::kNetworkPortsProbe, 1);
    if (!read && session_.LastFailure() != TLinkFailure::Refused)
        return false;
    session_.SetNetworkPortFlag(read);
    return true;
}

void TDeviceConnection::ReadInitial() {
    // Failures here are not reported: the password check and the first poll tell.
    TReadBatch batch(session_);
    batch.Add(SharedRegisters::kLanguage)
        .Add(SharedRegisters::kPassword, SharedRegisters::kPasswordLength)
        .Add(SharedRegisters::kFirmware)
        .Add(SharedRegisters::kSerialNumber, 2)
        .Add(SharedRegisters::kMinProgram);
    for (const TRegisterRun& run : profile_.initialReads(Facts()))
        batch.Add(run.first, run.count);
    batch.Flush();
}

TDeviceConnection::TLogIn TDeviceConnection::LogIn(const std::string& typed) {
    if (!session_.IsConnected()) {
        SetPhase(TPhase::Closed);
        return TLogIn::LinkLost; // while the password was being typed
    }
    if (!DeviceIdentity::PasswordMatches(typed, session_.Image())) {
        session_.Close();
        SetPhase(TPhase::Closed);
        return TLogIn::WrongPassword;
    }
    target_.signature = session_.FetchRegister(SharedRegisters::kSignature);
    target_.serialNumber = session_.Image().SerialNumber();
    target_.password = typed;
    if (target_.serial) {
        const QSerialPortInfo info(target_.port);
        target_.adapterSerialNumber = info.serialNumber();
        target_.vendor = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        target_.product = info.hasProductIdentifier() ? info.productIdentifier() : 0;
    }
    keepsTarget_ = profile_.recoversLostLink;
    StartPolling();
    return TLogIn::LoggedIn;
}

void TDeviceConnection::StartPolling() {
    failedPolls_ = 0;
    refusedPolls_ = 0;
    answered_ = true;
    framesAtLastPoll_ = session_.ValueFrames();
    SetPhase(TPhase::LoggedIn);
}

TDeviceConnection::TPoll TDeviceConnection::Lose() {
    session_.Close();
    failedPolls_ = 0;
    SetPhase(keepsTarget_ ? TPhase::Recovering : TPhase::Closed);
    return TPoll::Lost;
}

TDeviceConnection::TPoll TDeviceConnection::Poll() {
    if (!LoggedIn())
        return TPoll::Failed;
    if (!session_.IsConnected())
        return Lose(); // the link went away by itself: a socket reset, an adapter pulled
    // Another transaction holds the link (a download, a commit): this is no failed poll.
    if (session_.IsPending()) {
        SetPhase(TPhase::Busy);
        return TPoll::Busy;
    }
    const int unit = Facts().unit;
    TReadBatch batch(session_);
    session_.SetBackground(true); // a click during the wait goes first
    for (const TRegisterRun& run : profile_.liveReads(Facts()))
        batch.Add(run.first, run.count);
    bool read = batch.Flush(profile_.liveWait);
    session_.SetBackground(false);
    // Closed by the user during the wait: nothing was lost.
    if (!LoggedIn())
        return TPoll::Failed;
    if (!read && !session_.IsConnected())
        return Lose();
    if (!read && batch.Failure() == TLinkFailure::Busy) {
        SetPhase(TPhase::Busy);
        return TPoll::Busy;
    }
    // Over TCP a reply later than the poll's short wait still comes, and is stored: the device
    // answers, only slowly.
    const std::uint64_t frames = session_.ValueFrames();
    const bool late = session_.IsTcp() && frames != framesAtLastPoll_;
    framesAtLastPoll_ = frames;
    if (read && profile_.unitIndex && !FollowUnit(unit))
        read = false;
    if (read || (late && batch.Failure() == TLinkFailure::NoReply)) {
        failedPolls_ = 0;
        refusedPolls_ = 0;
        answered_ = true;
        SetPhase(TPhase::LoggedIn);
        return TPoll::Read;
    }
    answered_ = false;
    // A device that refuses a register still answers: it is not lost, but nothing it sent is new.
    const bool refused = batch.Failure() == TLinkFailure::Refused || batch.Failure() == TLinkFailure::None;
    refusedPolls_ = refused ? refusedPolls_ + 1 : 0;
    if ((!refused || profile_.refusalsCount) && ++failedPolls_ >= profile_.pollsToLose)
        return Lose();
    SetPhase(TPhase::Silent);
    return TPoll::Failed;
}

bool TDeviceConnection::FollowUnit(int polledUnit) {
    const int unit = session_.FetchRegister(SharedRegisters::kBusAddress);
    // A place outside the tables would show another unit's entries.
    if (unit < 0 || unit >= TFamilyProfile::kUnits)
        return false;
    // Moved since the reads were chosen: the new place's entries are read before anything shows them.
    if (unit != polledUnit)
        ReadInitial();
    return true;
}

QString TDeviceConnection::FindPort() const {
    if (QFileInfo::exists(target_.port))
        return target_.port;
    const bool byNumber = !target_.adapterSerialNumber.isEmpty();
    if (!byNumber && target_.vendor == 0)
        return {};
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const bool same = byNumber ? info.serialNumber() == target_.adapterSerialNumber
                                   : info.vendorIdentifier() == target_.vendor &&
                                         info.productIdentifier() == target_.product;
        if (same)
            return info.systemLocation();
    }
    return {};
}

TDeviceConnection::TRecovery TDeviceConnection::CheckSameDevice() {
    const bool read = session_.ReadRegisters(SharedRegisters::kSignature, 1) &&
                      session_.ReadRegisters(SharedRegisters::kSerialNumber, 2) &&
                      session_.ReadRegisters(SharedRegisters::kPassword, SharedRegisters::kPasswordLength);
    if (!read)
        return TRecovery::NotYet;
    const TRegisterImage& image = session_.Image();
    if (image.FetchRegister(SharedRegisters::kSignature) != target_.signature ||
        image.SerialNumber() != target_.serialNumber)
        return TRecovery::OtherDevice;
    if (!DeviceIdentity::PasswordMatches(target_.password, image))
        return TRecovery::PasswordRefused;
    return TRecovery::Recovered;
}

TDeviceConnection::TRecovery TDeviceConnection::Recover() {
    if (phase_ != TPhase::Recovering)
        return TRecovery::NotYet;
    TLinkTarget where = target_;
    if (where.serial)
        where.port = FindPort();
    const bool wasMembrane = membrane_;
    if ((where.serial && where.port.isEmpty()) || Open(where, {}, kRecoveryWaitMs) != TStep::Done ||
        phase_ != TPhase::Recovering) {
        session_.Close();
        return TRecovery::NotYet;
    }
    membrane_ = wasMembrane;
    const TRecovery result = CheckSameDevice();
    // Stopped by the user while the attempt waited: the link stays closed.
    if (phase_ != TPhase::Recovering) {
        session_.Close();
        return TRecovery::NotYet;
    }
    if (result == TRecovery::NotYet) {
        session_.Close();
        return result;
    }
    if (result != TRecovery::Recovered) {
        session_.Close();
        keepsTarget_ = false;
        SetPhase(TPhase::Closed);
        return result;
    }
    // The same device: what was read at the connection is read again, then the polls go on.
    ReadInitial();
    StartPolling();
    return result;
}

void TDeviceConnection::Close() {
    keepsTarget_ = false;
    if (session_.IsConnected() || session_.IsConnecting())
        session_.Close();
    SetPhase(TPhase::Closed);
}
