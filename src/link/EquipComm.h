#pragma once

#include "link/FramedFrame.h"
#include "link/LinkFailure.h"
#include "link/SerialComm.h"
#include "model/RegisterImage.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class TFramedLink;
class TRtuLink;

// The device session: one link at a time (serial RTU or framed TCP), the register image, and the
// register operations that hide which transport is in use.
class TEquipComm : public QObject {
    Q_OBJECT
public:
    static constexpr double kFramedTimeoutSeconds = 5.0;
    static constexpr int kBankedFamily = 1;

    explicit TEquipComm(QObject* parent = nullptr);
    ~TEquipComm() override;

    // Link state
    bool IsConnected() const;
    bool IsConnecting() const;
    bool IsTcp() const { return tcp_; }
    // A transaction is under way on either link (its wait runs the event loop).
    bool IsPending() const;
    // Why the last register operation failed: above all, whether another transaction held the link.
    TLinkFailure LastFailure() const { return failure_; }
    // The operations started from now on belong to a background poll: one the user starts during
    // their waits goes first, and the poll's ends as busy.
    void SetBackground(bool background);
    // Replies with values received over TCP since the link opened, late ones included.
    std::uint64_t ValueFrames() const;
    bool SerialPortFlag() const { return serialPortFlag_; }
    bool NetworkPortFlag() const { return networkPortFlag_; }
    void SetNetworkPortFlag(bool set) { networkPortFlag_ = set; }
    std::uint8_t SlaveAddress() const { return slaveAddress_; }
    void SetSlaveAddress(std::uint8_t address) { slaveAddress_ = address; }
    int Family() const { return image_.Family(); }
    void SetFamily(int family) { image_.SetFamily(family); }

    // Connection management; every open first closes the previous link and empties the queues.
    bool OpenSerial(const QString& portName, const TLineSettings& settings, bool comPortConnection);
    // The last serial open failed because the system refused this user the port.
    bool SerialAccessDenied() const;
    // True when the connection was started; IsConnected follows when it completes.
    bool OpenTcp(const QString& deviceIp, const QString& localIp, std::uint16_t port);
    void Close();

    // Register operations. Registers 0..65535, values 0..65535 (anything else fails).
    bool ReadRegisters(int first, int count, bool queue = false);
    bool WriteRegister(int reg, int value, bool queue = false, bool force = false);
    bool WriteRegisters(int first, std::span<const int> values, bool queue = false, bool force = false);
    bool SendCommand(int code);
    // waitSeconds 0 means the framed time-out.
    bool FlushReads(double waitSeconds = 0);
    bool FlushWrites(double waitSeconds = 0);

    // Register image
    void StoreRegister(int reg, std::uint16_t value) { image_.StoreRegister(reg, value); }
    std::int32_t FetchRegister(int reg) const { return image_.FetchRegister(reg); }
    const TRegisterImage& Image() const { return image_; }

    // Sees every value a reply carries, with the plain register number, before the image stores it.
    void SetValueObserver(std::function<void(int reg, std::uint16_t value)> observer);

    std::uint32_t TransactionCounter() const;
    void SetTransactionCounter(std::uint32_t counter);

signals:
    // The link opened, connected, closed or failed.
    void linkStateChanged();

private:
    void OnWireValue(int wireRegister, std::uint16_t value);
    std::uint16_t Wire(int reg) const;
    bool AllInImage(int first, std::span<const std::uint16_t> values) const;
    bool FramedWrite(int first, std::span<const std::uint16_t> values, bool queue);
    void ClearQueues();
    // Records why `ok` is false, from the link that ran the operation.
    bool Record(bool ok);
    static double Wait(double waitSeconds);

    TRegisterImage image_;
    std::unique_ptr<TRtuLink> rtu_;
    TFramedLink* framed_;
    std::function<void(int, std::uint16_t)> observer_;
    std::vector<std::uint16_t> readQueue_;
    std::vector<FramedFrame::TPair> writeQueue_;
    bool tcp_ = false;
    bool serialPortFlag_ = false;
    bool networkPortFlag_ = false;
    TLinkFailure failure_ = TLinkFailure::None;
    std::uint8_t slaveAddress_ = 1;
};
