#include "FramedPeer.h"

#include "FramedBytes.h"

#include <QTcpSocket>
#include <QThread>
#include <QTimer>

using namespace FramedBytes;

TFramedPeer::TFramedPeer() {
    connect(&server_, &QTcpServer::newConnection, this, &TFramedPeer::OnConnection);
    server_.listen(QHostAddress::LocalHost, 0);
}

QByteArray TFramedPeer::ValuesFrame(std::uint16_t sequence,
                                    const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs) {
    QByteArray items;
    for (const auto& [reg, value] : pairs) {
        Put16(items, reg);
        Put16(items, value);
    }
    return Frame(2, sequence, static_cast<std::uint16_t>(pairs.size()), items);
}

void TFramedPeer::SendUnasked(const QByteArray& bytes) {
    if (client_)
        client_->write(bytes);
}

void TFramedPeer::CloseClient() {
    if (client_)
        client_->close();
}

void TFramedPeer::OnConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        client_ = socket;
        client_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(client_, &QTcpSocket::readyRead, this, &TFramedPeer::OnData);
    }
}

void TFramedPeer::OnData() {
    buffer_ += client_->readAll();
    for (;;) {
        const int start = buffer_.indexOf(kMagic);
        if (start < 0 || buffer_.size() < start + 6)
            return;
        const int length = Get16(buffer_, start + 4);
        if (buffer_.size() < start + 6 + length)
            return;
        const QByteArray body = buffer_.mid(start + 6, length);
        buffer_.remove(0, start + 6 + length);
        TRequest request{Get16(body, 0), Get16(body, 2), {}};
        for (int at = 6; at + 1 < body.size(); at += 2)
            request.items.push_back(Get16(body, at));
        requests.push_back(request);
        Handle(request);
        if (closeAfter >= 0 && static_cast<int>(requests.size()) >= closeAfter) {
            client_->close();
            return;
        }
    }
}

void TFramedPeer::Handle(const TRequest& request) {
    if (silent)
        return;
    QByteArray reply;
    if (request.command == 1) {
        std::vector<std::pair<std::uint16_t, std::uint16_t>> pairs;
        for (std::uint16_t reg : request.items)
            if (!absent.contains(reg))
                pairs.push_back({reg, registers[reg]});
        reply = ValuesFrame(request.sequence, pairs);
    } else if (request.command == 10) {
        for (std::size_t i = 0; i + 1 < request.items.size(); i += 2)
            registers[request.items[i]] = request.items[i + 1];
        reply = Frame(10, request.sequence, writeReplyCount, {});
    } else {
        return;
    }
    reply.prepend(prefix);
    if (delayMs > 0)
        QTimer::singleShot(delayMs, this, [this, reply] { Send(reply); });
    else
        Send(reply);
}

void TFramedPeer::Send(const QByteArray& frame) {
    if (!client_)
        return;
    const int piece = (frame.size() + segments - 1) / segments;
    for (int at = 0; at < frame.size(); at += piece) {
        client_->write(frame.mid(at, piece));
        client_->flush();
        if (segments > 1)
            QThread::msleep(5); // separate segments on the wire
    }
}
