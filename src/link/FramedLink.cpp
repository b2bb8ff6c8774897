#include "link/FramedLink.h"

#include "link/Ipv4Address.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kReceiveBufferSize = 720000;

QHostAddress ParseAddress(const QString& text) {
    const auto address = Ipv4Address::Parse(text.trimmed().toStdString());
    return address ? QHostAddress(*address) : QHostAddress();
}

template <typename T, typename Send>
bool SendInChunks(const std::vector<T>& items, std::size_t chunk, Send send) {
    if (items.empty())
        return false;
    for (std::size_t at = 0; at < items.size(); at += chunk) {
        const std::size_t n = std::min(chunk, items.size() - at);
        if (!send(std::span<const T>(items.data() + at, n)))
            return false;
    }
    return true;
}

// Whether every wanted register came back: a reply that leaves one out must not pass for its value.
bool CarriesAll(const std::vector<FramedFrame::TPair>& pairs, const std::vector<std::uint16_t>& wanted) {
    std::vector<std::uint16_t> got;
    got.reserve(pairs.size());
    for (const FramedFrame::TPair& pair : pairs)
        got.push_back(pair.reg);
    std::sort(got.begin(), got.end());
    return std::includes(got.begin(), got.end(), wanted.begin(), wanted.end());
}

} // namespace

TFramedLink::TFramedLink(TValueSink sink, QObject* parent)
    : QObject(parent), sink_(std::move(sink)), socket_(new QTcpSocket(this)) {
    connect(socket_, &QTcpSocket::readyRead, this, &TFramedLink::OnReadyRead);
    connect(socket_, &QTcpSocket::connected, this, &TFramedLink::OnConnected);
    connect(socket_, &QTcpSocket::disconnected, this, &TFramedLink::OnDisconnected);
    // A reset or a failed attempt ends the connection: a dead socket must not look connected.
    connect(socket_, &QTcpSocket::errorOccurred, this, &TFramedLink::OnDisconnected);
}

TFramedLink::~TFramedLink() {
    socket_->disconnect(this);
    socket_->abort();
}

bool TFramedLink::Open(const QString& deviceIp, const QString& localIp, std::uint16_t port) {
    Close();
    const QHostAddress device = ParseAddress(deviceIp);
    if (device.isNull())
        return false;
    if (!localIp.trimmed().isEmpty()) {
        const QHostAddress local = ParseAddress(localIp);
        if (local.isNull() || !socket_->bind(local, 0))
            return false;
    }
    receiver_.Reset();
    pending_ = false;
    socket_->connectToHost(device, port);
    emit stateChanged();
    return true;
}

void TFramedLink::Close() {
    socket_->abort();
    connected_ = false;
    pending_ = false;
    EndWait();
}

bool TFramedLink::IsOpen() const {
    return socket_->state() != QAbstractSocket::UnconnectedState;
}

bool TFramedLink::IsConnecting() const {
    return !connected_ && (socket_->state() == QAbstractSocket::HostLookupState ||
                           socket_->state() == QAbstractSocket::ConnectingState);
}

void TFramedLink::OnConnected() {
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket_->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, kReceiveBufferSize);
    connected_ = true;
    emit stateChanged();
}

void TFramedLink::OnDisconnected() {
    const bool was = connected_;
    connected_ = false;
    EndWait();
    if (was || socket_->state() == QAbstractSocket::UnconnectedState)
        emit stateChanged();
}

void TFramedLink::OnReadyRead() {
    const QByteArray data = socket_->readAll();
    receiver_.Feed(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                                 static_cast<std::size_t>(data.size())),
                   [this](std::span<const std::uint8_t> body) { ProcessBody(body); });
}

void TFramedLink::ProcessBody(std::span<const std::uint8_t> body) {
    const auto parsed = FramedFrame::ParseBody(body);
    if (!parsed)
        return;
    if (parsed->sequence == expectedSequence_) {
        replyItemCount_ = parsed->itemCount;
        replyComplete_ = wanted_.empty() || (parsed->command == FramedFrame::kValuesCommand &&
                                             CarriesAll(parsed->pairs, wanted_));
        replied_ = true;
        EndWait();
    }
    if (parsed->command == FramedFrame::kValuesCommand) {
        ++valueFrames_;
        for (const FramedFrame::TPair& pair : parsed->pairs)
            sink_(pair.reg, pair.value);
    }
}

void TFramedLink::EndWait() {
    if (waitLoop_)
        waitLoop_->quit();
}

bool TFramedLink::Transact(const std::function<FramedFrame::TBytes(std::uint16_t)>& build, double waitSeconds,
                           std::span<const std::uint16_t> wanted) {
    const bool background = background_;
    if (!connected_ || (pending_ && (background || !pendingBackground_))) {
        failure_ = connected_ ? TLinkFailure::Busy : TLinkFailure::Closed;
        return false;
    }
    // A background poll under way gives way: its late reply, told apart by its sequence number,
    // still lands in the image.
    const bool preempting = pending_;
    if (preempting)
        preempted_ = true;
    if (background)
        preempted_ = false;
    wanted_.assign(wanted.begin(), wanted.end());
    std::sort(wanted_.begin(), wanted_.end());
    wanted_.erase(std::unique(wanted_.begin(), wanted_.end()), wanted_.end());
    replyComplete_ = false;
    const auto sequence = static_cast<std::uint16_t>(counter_ & 0xFFFF);
    const FramedFrame::TBytes frame = build(sequence);
    pending_ = true;
    pendingBackground_ = background;
    background_ = false; // what the event loop starts during the wait is the user's
    replied_ = false;
    expectedSequence_ = sequence;
    ++counter_;
    socket_->write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
    socket_->flush();

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait 5 % early
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    deadline.start(std::max(1, static_cast<int>(std::lround(waitSeconds * 1000.0))));
    QEventLoop* outer = waitLoop_;
    waitLoop_ = &loop;
    // The reply may already have been handled while writing; then there is nothing to wait for.
    if (!replied_ && connected_)
        loop.exec();
    waitLoop_ = outer;
    background_ = background;
    pending_ = false;
    pendingBackground_ = false;
    if (background && preempted_) {
        preempted_ = false;
        failure_ = TLinkFailure::Busy;
        return false;
    }
    if (preempting && waitLoop_)
        waitLoop_->quit(); // the poll below ends now
    failure_ = replied_ && replyComplete_ ? TLinkFailure::None
               : replied_                 ? TLinkFailure::Refused
               : connected_               ? TLinkFailure::NoReply
                                          : TLinkFailure::Closed;
    return replied_ && replyComplete_;
}

bool TFramedLink::SendReadList(const std::vector<std::uint16_t>& registers, double waitSeconds) {
    return SendInChunks(registers, static_cast<std::size_t>(FramedFrame::kMaxReadItems),
                        [&](std::span<const std::uint16_t> chunk) {
                            return Transact(
                                [&](std::uint16_t seq) { return FramedFrame::BuildReadList(seq, chunk); },
                                waitSeconds, chunk);
                        });
}

bool TFramedLink::SendWriteList(const std::vector<FramedFrame::TPair>& pairs, double waitSeconds) {
    return SendInChunks(
        pairs, static_cast<std::size_t>(FramedFrame::kMaxWriteItems),
        [&](std::span<const FramedFrame::TPair> chunk) {
            // Accepted when the reply's item count is 0, whatever its command.
            if (!Transact([&](std::uint16_t seq) { return FramedFrame::BuildWriteList(seq, chunk); },
                          waitSeconds))
                return false;
            if (replyItemCount_ != 0)
                failure_ = TLinkFailure::Refused;
            return replyItemCount_ == 0;
        });
}
