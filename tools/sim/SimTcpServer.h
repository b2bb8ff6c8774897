#pragma once

#include "SimFaults.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;
class TSimDevice;

// The framed protocol on a TCP port: read lists answered with values, write lists with the count
// of refused items.
class TSimTcpServer : public QObject {
    Q_OBJECT
public:
    TSimTcpServer(TSimDevice& device, const TSimOptions& options, QObject* parent = nullptr);
    ~TSimTcpServer() override;

    bool Start();
    QString Address() const;
    int Port() const { return server_.serverPort(); }
    QString Error() const { return server_.errorString(); }

private:
    struct TFrame {
        std::uint16_t command;
        std::uint16_t sequence;
        std::vector<std::uint16_t> items;
    };

    void OnConnection();
    void OnData(QTcpSocket* socket);
    void Handle(QTcpSocket* socket, const TFrame& frame);
    void Send(const QPointer<QTcpSocket>& socket, const QByteArray& frame, bool close);

    TSimDevice& device_;
    const TSimOptions& options_;
    TSimFaults faults_;
    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};
