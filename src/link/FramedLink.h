#pragma once

#include "link/FrameReceiver.h"
#include "link/FramedFrame.h"
#include "link/LinkFailure.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QEventLoop;
class QTcpSocket;

// The framed protocol on a TCP socket: lists of registers sent with a sequence number, replies
// parsed as they arrive, and a wait that keeps the event loop running until the reply is in.
class TFramedLink : public QObject {
    Q_OBJECT
public:
    using TValueSink = std::function<void(int wireRegister, std::uint16_t value)>;

    TFramedLink(TValueSink sink, QObject* parent = nullptr);
    ~TFramedLink() override;

    // Starts connecting; the connected state follows from the socket's events.
    bool Open(const QString& deviceIp, const QString& localIp, std::uint16_t port);
    void Close();
    bool IsOpen() const;
    bool IsConnected() const { return connected_; }
    bool IsConnecting() const;
    bool IsPending() const { return pending_; }
    TLinkFailure LastFailure() const { return failure_; }
    // The transactions started from now on belong to a background poll: one started during their
    // waits (the user's) goes first, and the poll's transaction ends as busy.
    void SetBackground(bool background) { background_ = background; }
    // Frames of values received since the link opened, late replies included: the device answers.
    std::uint64_t ValueFrames() const { return valueFrames_; }

    // Lists longer than one frame holds go as several, in order; true only if every one succeeded.
    bool SendReadList(const std::vector<std::uint16_t>& registers, double waitSeconds);
    bool SendWriteList(const std::vector<FramedFrame::TPair>& pairs, double waitSeconds);

    std::uint32_t TransactionCounter() const { return counter_; }
    void SetTransactionCounter(std::uint32_t counter) { counter_ = counter; }

signals:
    void stateChanged();

private:
    // Sends one frame built for the next sequence number and waits for its reply. A read names the
    // registers its reply must carry.
    bool Transact(const std::function<FramedFrame::TBytes(std::uint16_t)>& build, double waitSeconds,
                  std::span<const std::uint16_t> wanted = {});
    void OnReadyRead();
    void OnConnected();
    void OnDisconnected();
    void ProcessBody(std::span<const std::uint8_t> body);
    void EndWait();

    TValueSink sink_;
    QTcpSocket* socket_;
    TFrameReceiver receiver_;
    bool connected_ = false;
    std::uint32_t counter_ = 0;
    bool pending_ = false;
    bool background_ = false;        // for the transactions started from now on
    bool pendingBackground_ = false; // the transaction under way is a background one
    bool preempted_ = false;         // another transaction went before the background one
    std::uint64_t valueFrames_ = 0;
    TLinkFailure failure_ = TLinkFailure::None;
    bool replied_ = false;
    std::uint16_t expectedSequence_ = 0;
    std::uint16_t replyItemCount_ = 0;
    std::vector<std::uint16_t> wanted_; // sorted, distinct
    bool replyComplete_ = false;
    QEventLoop* waitLoop_ = nullptr;
};
