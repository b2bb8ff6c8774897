#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpServer>

#include <cstdint>
#include <map>
#include <set>
#include <vector>

class QTcpSocket;

// A loopback server speaking the framed protocol, written apart from the program's own codec.
// It answers read lists with the values it holds and write lists with an item count, and can be
// told to stay silent, answer late, split or prefix its replies, or hang up.
class TFramedPeer : public QObject {
    Q_OBJECT
public:
    struct TRequest {
        std::uint16_t command;
        std::uint16_t sequence;
        std::vector<std::uint16_t> items; // registers, or register/value pairs flattened
    };

    TFramedPeer();

    std::uint16_t Port() const { return server_.serverPort(); }
    std::map<std::uint16_t, std::uint16_t> registers;
    std::vector<TRequest> requests;

    bool silent = false;
    int delayMs = 0;   // reply this much later
    int segments = 1;  // split each reply over this many writes
    QByteArray prefix; // bytes sent before each reply
    std::uint16_t writeReplyCount = 0;
    int closeAfter = -1;            // hang up after this many requests (-1: never)
    std::set<std::uint16_t> absent; // left out of every values reply, as a device without them does

    // A values frame for pairs, as the device sends it.
    static QByteArray ValuesFrame(std::uint16_t sequence,
                                  const std::vector<std::pair<std::uint16_t, std::uint16_t>>& pairs);
    void SendUnasked(const QByteArray& bytes);
    void CloseClient();

private:
    void OnConnection();
    void OnData();
    void Handle(const TRequest& request);
    void Send(const QByteArray& frame);

    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    QByteArray buffer_;
};
