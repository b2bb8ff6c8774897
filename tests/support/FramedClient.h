#pragma once

#include <QByteArray>
#include <QTcpSocket>

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// A blocking client of the framed protocol for tests, written apart from the program's codec.
class TFramedClient {
public:
    struct TReply {
        std::uint16_t command = 0;
        std::uint16_t sequence = 0;
        std::uint16_t count = 0;
        std::map<std::uint16_t, std::uint16_t> values;
    };

    bool Connect(std::uint16_t port);
    // Sends a list and waits for its reply; nothing when none came in time.
    std::optional<TReply> Read(const std::vector<std::uint16_t>& registers, int timeoutMs = 2000);
    std::optional<TReply> Write(const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs,
                                int timeoutMs = 2000);
    // Sends a read list and returns the raw bytes of each read until the reply is whole.
    std::vector<QByteArray> ReadRaw(const std::vector<std::uint16_t>& registers, int timeoutMs = 2000);
    bool IsConnected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    QTcpSocket& Socket() { return socket_; }

private:
    void SendList(std::uint16_t command, const std::vector<std::uint16_t>& items);
    std::optional<TReply> Await(int timeoutMs);

    QTcpSocket socket_;
    QByteArray buffer_;
    std::uint16_t sequence_ = 100;
};
