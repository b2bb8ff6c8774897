#include "ui/general/LinkRecovery.h"

#include "link/EquipComm.h"
#include "model/DeviceIdentity.h"
#include "model/SharedRegisters.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QTimer>

namespace {

constexpr int kTcpWaitMs = 3000; // one attempt; the next comes a second later

} // namespace

TLinkRecovery::TLinkRecovery(TEquipComm& session) : session_(session) {}

void TLinkRecovery::SetTarget(TLinkTarget target) {
    target_ = std::move(target);
    if (target_.serial) {
        const QSerialPortInfo info(target_.port);
        target_.adapterSerialNumber = info.serialNumber();
        target_.vendor = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        target_.product = info.hasProductIdentifier() ? info.productIdentifier() : 0;
    }
    has_ = true;
}

void TLinkRecovery::Forget() {
    target_ = {};
    has_ = false;
}

QString TLinkRecovery::FindPort() const {
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

bool TLinkRecovery::WaitForTcp() {
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (session_.IsConnected() || !session_.IsConnecting() || elapsed.elapsed() >= kTcpWaitMs)
            loop.quit();
    });
    tick.start(50);
    loop.exec();
    return session_.IsConnected();
}

bool TLinkRecovery::Reopen() {
    if (!target_.serial)
        return session_.OpenTcp(target_.deviceIp, target_.pcIp, target_.tcpPort) && WaitForTcp();
    const QString port = FindPort();
    if (port.isEmpty())
        return false;
    session_.SetSlaveAddress(target_.address);
    return session_.OpenSerial(port, target_.line, target_.comPort);
}

TLinkRecovery::TResult TLinkRecovery::TryOnce() {
    if (!has_ || !Reopen()) {
        session_.Close();
        return TResult::NotYet;
    }
    // What the image still holds of the device must not pass for what it answers now.
    session_.StoreRegister(SharedRegisters::kSignature, 0);
    session_.StoreRegister(SharedRegisters::kSerialNumber, 0);
    session_.StoreRegister(SharedRegisters::kSerialNumber + 1, 0);
    for (int i = 0; i < SharedRegisters::kPasswordLength; ++i)
        session_.StoreRegister(SharedRegisters::kPassword + i, 0);
    const bool read = session_.ReadRegisters(SharedRegisters::kSignature, 1) &&
                      session_.ReadRegisters(SharedRegisters::kSerialNumber, 2) &&
                      session_.ReadRegisters(SharedRegisters::kPassword, SharedRegisters::kPasswordLength);
    if (!read) {
        session_.Close();
        return TResult::NotYet;
    }
    const TRegisterImage& image = session_.Image();
    if (image.FetchRegister(SharedRegisters::kSignature) != target_.signature ||
        image.SerialNumber() != target_.serialNumber) {
        session_.Close();
        return TResult::OtherDevice;
    }
    if (!DeviceIdentity::PasswordMatches(target_.password, image)) {
        session_.Close();
        return TResult::PasswordRefused;
    }
    return TResult::Recovered;
}
