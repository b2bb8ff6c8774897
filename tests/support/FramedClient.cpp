#include "FramedClient.h"

#include "FramedBytes.h"

#include <QDeadlineTimer>
#include <QHostAddress>

using namespace FramedBytes;

bool TFramedClient::Connect(std::uint16_t port) {
    socket_.connectToHost(QHostAddress::LocalHost, port);
    return socket_.waitForConnected(3000);
}

void TFramedClient::SendList(std::uint16_t command, const std::vector<std::uint16_t>& items) {
    QByteArray bytes;
    for (std::uint16_t item : items)
        Put16(bytes, item);
    const auto count = static_cast<std::uint16_t>(command == 10 ? items.size() / 2 : items.size());
    socket_.write(Frame(command, ++sequence_, count, bytes));
    socket_.flush();
}

std::optional<TFramedClient::TReply> TFramedClient::Await(int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const qsizetype start = buffer_.indexOf(kMagic);
        if (start >= 0 && buffer_.size() >= start + 6) {
            const int length = Get16(buffer_, start + 4);
            if (buffer_.size() >= start + 6 + length) {
                const QByteArray body = buffer_.mid(start + 6, length);
                buffer_.remove(0, start + 6 + length);
                TReply reply{Get16(body, 0), Get16(body, 2), Get16(body, 4), {}};
                for (qsizetype at = 6; at + 3 < body.size(); at += 4)
                    reply.values[Get16(body, at)] = Get16(body, at + 2);
                if (reply.sequence == sequence_)
                    return reply;
                continue;
            }
        }
        if (deadline.hasExpired() || !socket_.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return std::nullopt;
        buffer_ += socket_.readAll();
    }
}

std::optional<TFramedClient::TReply> TFramedClient::Read(const std::vector<std::uint16_t>& registers,
                                                         int timeoutMs) {
    SendList(1, registers);
    return Await(timeoutMs);
}

std::optional<TFramedClient::TReply>
TFramedClient::Write(const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs, int timeoutMs) {
    std::vector<std::uint16_t> items;
    for (const auto& [reg, value] : pairs) {
        items.push_back(reg);
        items.push_back(value);
    }
    SendList(10, items);
    return Await(timeoutMs);
}

std::vector<QByteArray> TFramedClient::ReadRaw(const std::vector<std::uint16_t>& registers, int timeoutMs) {
    SendList(1, registers);
    std::vector<QByteArray> pieces;
    const qsizetype whole = 4 + 2 + 6 + 4 * static_cast<qsizetype>(registers.size());
    qsizetype got = 0;
    QDeadlineTimer deadline(timeoutMs);
    while (got < whole && !deadline.hasExpired() &&
           socket_.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
        pieces.push_back(socket_.readAll());
        got += pieces.back().size();
    }
    return pieces;
}
