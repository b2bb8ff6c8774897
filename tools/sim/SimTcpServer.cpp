#include "SimTcpServer.h"

#include "SimDevice.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>

namespace {

const QByteArray kMagic("\x5D\x73\x91\xAD", 4);
constexpr int kSplitPauseMs = 5;

void Put16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

std::uint16_t Get16(const QByteArray& in, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(in[at]) |
                                      static_cast<std::uint8_t>(in[at + 1]) << 8);
}

QByteArray Frame(std::uint16_t command, std::uint16_t sequence, std::uint16_t count,
                 const QByteArray& items) {
    QByteArray frame = kMagic;
    Put16(frame, static_cast<std::uint16_t>(6 + items.size()));
    Put16(frame, command);
    Put16(frame, sequence);
    Put16(frame, count);
    return frame + items;
}

} // namespace

TSimTcpServer::TSimTcpServer(TSimDevice& device, const TSimOptions& options, QObject* parent)
    : QObject(parent), device_(device), options_(options), faults_(options) {
    connect(&server_, &QTcpServer::newConnection, this, &TSimTcpServer::OnConnection);
}

TSimTcpServer::~TSimTcpServer() {
    // The sockets die with the server; their handlers must not run into a half-destroyed object.
    for (QTcpSocket* socket : buffers_.keys())
        socket->disconnect(this);
}

bool TSimTcpServer::Start() {
    const QHostAddress address(QString::fromStdString(options_.listen));
    return !address.isNull() && server_.listen(address, static_cast<quint16>(*options_.tcpPort));
}

QString TSimTcpServer::Address() const {
    return QStringLiteral("%1:%2").arg(server_.serverAddress().toString()).arg(server_.serverPort());
}

void TSimTcpServer::OnConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        buffers_.insert(socket, {});
        faults_.ResetConnection();
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { OnData(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            buffers_.remove(socket);
            socket->deleteLater();
        });
        if (faults_.Verbose())
            std::fprintf(stderr, "tcp: connection from %s\n", qPrintable(socket->peerAddress().toString()));
    }
}

void TSimTcpServer::OnData(QTcpSocket* socket) {
    if (!buffers_.contains(socket))
        return;
    buffers_[socket] += socket->readAll();
    for (;;) {
        // A frame handled may have closed the connection, and its buffer with it.
        const auto found = buffers_.find(socket);
        if (found == buffers_.end())
            return;
        QByteArray& buffer = found.value();
        const qsizetype start = buffer.indexOf(kMagic);
        if (start < 0) {
            buffer = buffer.right(3); // a magic may be arriving in pieces
            return;
        }
        if (buffer.size() < start + 6)
            return;
        const int length = Get16(buffer, start + 4);
        if (buffer.size() < start + 6 + length)
            return;
        const QByteArray body = buffer.mid(start + 6, length);
        buffer.remove(0, start + 6 + length);
        if (body.size() < 6)
            continue;
        TFrame frame{Get16(body, 0), Get16(body, 2), {}};
        for (qsizetype at = 6; at + 1 < body.size(); at += 2)
            frame.items.push_back(Get16(body, at));
        Handle(socket, frame);
    }
}

void TSimTcpServer::Handle(QTcpSocket* socket, const TFrame& frame) {
    if (faults_.Silent())
        return;
    if (faults_.Verbose())
        std::fprintf(stderr, "tcp: command %u sequence %u items %zu\n", frame.command, frame.sequence,
                     frame.items.size());
    const bool close = faults_.CloseAfterThis();
    QByteArray reply;
    if (frame.command == 1) {
        QByteArray items;
        std::uint16_t count = 0;
        bool failed = false;
        for (std::uint16_t reg : frame.items) {
            failed = failed || faults_.Fails(reg, 1) || faults_.DropFirstRead(reg, 1);
            // Registers outside the device are left out of the reply.
            if (const auto value = device_.Read(reg)) {
                Put16(items, reg);
                Put16(items, *value);
                ++count;
            }
        }
        if (!failed)
            reply = Frame(2, frame.sequence, count, items);
    } else if (frame.command == 10) {
        TSimDevice::TPairs pairs;
        for (std::size_t i = 0; i + 1 < frame.items.size(); i += 2) {
            if (faults_.ClosesOn(frame.items[i], frame.items[i + 1])) {
                socket->disconnectFromHost();
                return;
            }
            pairs.push_back({frame.items[i], frame.items[i + 1]});
        }
        int refused = 0;
        for (TSimDevice::TWrite result : device_.Write(pairs))
            refused += result == TSimDevice::TWrite::Accepted ? 0 : 1;
        reply = Frame(10, frame.sequence, static_cast<std::uint16_t>(refused), {});
    }
    if (reply.isEmpty() || faults_.DropReply()) {
        if (close)
            socket->disconnectFromHost();
        return;
    }
    if (faults_.StrayBytes())
        reply.prepend(QByteArray("\x5D\x00\x11", 3));
    const QPointer<QTcpSocket> target(socket);
    if (faults_.DelayMs() > 0)
        QTimer::singleShot(faults_.DelayMs(), this,
                           [this, target, reply, close] { Send(target, reply, close); });
    else
        Send(target, reply, close);
}

void TSimTcpServer::Send(const QPointer<QTcpSocket>& socket, const QByteArray& frame, bool close) {
    if (!socket)
        return;
    if (!faults_.Split() || frame.size() < 3) {
        socket->write(frame);
        if (close)
            socket->disconnectFromHost();
        return;
    }
    // Three segments, a few milliseconds apart.
    const qsizetype piece = (frame.size() + 2) / 3;
    socket->write(frame.left(piece));
    socket->flush();
    QTimer::singleShot(kSplitPauseMs, this, [this, socket, rest = frame.mid(piece), piece, close] {
        if (!socket)
            return;
        socket->write(rest.left(piece));
        socket->flush();
        QTimer::singleShot(kSplitPauseMs, this, [socket, tail = rest.mid(piece), close] {
            if (!socket)
                return;
            socket->write(tail);
            if (close)
                socket->disconnectFromHost();
        });
    });
}
