#include "link/SerialComm.h"

#include <QEventLoop>
#include <QFile>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr int kWriteLimitMs = 2000;
constexpr std::array<int, 2> kRetryPausesMs{500, 1000};

// A device removed from the system (a USB adapter pulled) gives a resource error; a line hung up
// (the far end of a pseudo-terminal closed) reads end-of-file, which the port reports as a read
// error, again on every pass of the event loop.
bool IsLoss(QSerialPort::SerialPortError error) {
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
}

// The port reports a busy or locked device as a permission error too: only a port this user may
// not read and write (checked with the ids the open used) is refused by the system.
bool Refused(const QString& path) {
#ifdef Q_OS_UNIX
    return ::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), R_OK | W_OK, AT_EACCESS) != 0 &&
           errno == EACCES;
#else
    Q_UNUSED(path);
    return false;
#endif
}

} // namespace

TSerialComm::TSerialComm() : port_(std::make_unique<QSerialPort>()) {
    // A vanished port keeps signalling while it stays open, which would spin the event loop: close
    // it, but not inside the port's own signal.
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(),
                     [this](QSerialPort::SerialPortError e) {
                         if (IsLoss(e))
                             QMetaObject::invokeMethod(
                                 port_.get(), [this] { Lose(); }, Qt::QueuedConnection);
                     });
}

void TSerialComm::CheckLost() {
    if (port_->isOpen() && IsLoss(port_->error()))
        Lose();
}

void TSerialComm::Lose() {
    if (!port_->isOpen())
        return;
    ClosePort();
    if (lost_)
        lost_();
}

TSerialComm::~TSerialComm() = default;

bool TSerialComm::OpenPort(const QString& path, const TLineSettings& settings) {
    ClosePort();
    port_->setPortName(path);
    bool opened = port_->open(QIODevice::ReadWrite);
    for (int pause : kRetryPausesMs) {
        if (opened)
            break;
        Pause(pause);
        opened = port_->open(QIODevice::ReadWrite);
    }
    accessDenied_ = !opened && port_->error() == QSerialPort::PermissionError && Refused(path);
    if (!opened)
        return false;
    if (!Configure(settings)) {
        ClosePort();
        return false;
    }
    return true;
}

bool TSerialComm::Configure(const TLineSettings& settings) {
    if (settings.baudRate <= 0 || !port_->setBaudRate(settings.baudRate))
        return false;
    baudRate_ = settings.baudRate;
    if (!port_->setDataBits(QSerialPort::Data8) || !port_->setFlowControl(QSerialPort::NoFlowControl))
        return false;
    static constexpr std::array<QSerialPort::Parity, 3> kParities{
        QSerialPort::NoParity, QSerialPort::EvenParity, QSerialPort::OddParity};
    if (settings.parity < kParities.size() && !port_->setParity(kParities[settings.parity]))
        return false;
    static constexpr std::array<QSerialPort::StopBits, 3> kStopBits{
        QSerialPort::OneStop, QSerialPort::OneAndHalfStop, QSerialPort::TwoStop};
    if (settings.stopBits < kStopBits.size() && !port_->setStopBits(kStopBits[settings.stopBits]))
        return false;
    // Modem lines held inactive; ports without them (pseudo-terminals) refuse, which is harmless.
    port_->setDataTerminalReady(false);
    port_->setRequestToSend(false);
    port_->clearError();
    return true;
}

bool TSerialComm::IsOpen() const {
    return port_->isOpen();
}

bool TSerialComm::WriteBytes(std::span<const std::uint8_t> bytes) {
    if (!port_->isOpen())
        return false;
    const qint64 written =
        port_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        CheckLost();
        return false;
    }
    const auto deadline = TClock::now() + std::chrono::milliseconds(kWriteLimitMs);
    while (port_->isOpen() && port_->bytesToWrite() > 0 && TClock::now() < deadline)
        WaitFor(TWake::Written, deadline);
    CheckLost();
    return port_->isOpen() && port_->bytesToWrite() == 0;
}

bool TSerialComm::ReadBytes(std::vector<std::uint8_t>& received, std::size_t wanted,
                            TClock::time_point deadline) {
    wanted = std::min(wanted, kMaxRead);
    while (port_->isOpen() && received.size() < wanted) {
        const auto have = received.size();
        received.resize(wanted);
        const qint64 got =
            port_->read(reinterpret_cast<char*>(received.data() + have), static_cast<qint64>(wanted - have));
        received.resize(have + static_cast<std::size_t>(std::max<qint64>(got, 0)));
        if (received.size() >= wanted)
            break;
        if (TClock::now() >= deadline || port_->bytesAvailable() > 0)
            break;
        WaitFor(TWake::Data, deadline);
        if (port_->bytesAvailable() == 0)
            break; // deadline passed, or the port closed or failed
    }
    CheckLost();
    return received.size() > 1;
}

bool TSerialComm::TrailingBytes(std::chrono::microseconds quiet) {
    if (!port_->isOpen())
        return false;
    const auto ms = std::max<long long>(1, std::chrono::ceil<std::chrono::milliseconds>(quiet).count());
    const bool more = port_->bytesAvailable() > 0 || port_->waitForReadyRead(static_cast<int>(ms));
    if (more)
        port_->readAll();
    CheckLost();
    return more;
}

std::chrono::microseconds TSerialComm::CharacterTime() const {
    return std::chrono::microseconds(11'000'000LL / std::max(1, baudRate_));
}

void TSerialComm::FlushInput() {
    if (!port_->isOpen())
        return;
    port_->clear(QSerialPort::Input);
    port_->readAll();
}

void TSerialComm::ClosePort() {
    if (port_->isOpen())
        port_->close();
    if (waitLoop_)
        waitLoop_->quit();
}

void TSerialComm::AwaitBytes(std::size_t count, TClock::time_point deadline) {
    while (port_->isOpen() && port_->bytesAvailable() < static_cast<qint64>(count) &&
           TClock::now() < deadline)
        WaitFor(TWake::Data, deadline);
}

void TSerialComm::QuitWait() {
    if (waitLoop_)
        waitLoop_->quit();
}

void TSerialComm::Pause(int ms) {
    WaitFor(TWake::Never, TClock::now() + std::chrono::milliseconds(ms));
}

void TSerialComm::WaitFor(TWake wake, TClock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - TClock::now()).count();
    if (left <= 0)
        return;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (wake == TWake::Data)
        QObject::connect(port_.get(), &QSerialPort::readyRead, &loop, &QEventLoop::quit);
    if (wake == TWake::Written)
        QObject::connect(port_.get(), &QSerialPort::bytesWritten, &loop, &QEventLoop::quit);
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(static_cast<int>(left));
    QEventLoop* outer = waitLoop_;
    waitLoop_ = &loop;
    loop.exec();
    waitLoop_ = outer;
}
