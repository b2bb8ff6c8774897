#include "link/EquipComm.h"

#include "link/FramedLink.h"
#include "link/RtuLink.h"

#include <algorithm>

namespace {

constexpr int kCommandRegister = 3000;
constexpr int kBankBit = 0x8000;

bool IsWord(int v) {
    return v >= 0 && v <= 0xFFFF;
}

} // namespace

TEquipComm::TEquipComm(QObject* parent)
    : QObject(parent),
      rtu_(std::make_unique<TRtuLink>(image_, [this](int reg, std::uint16_t v) { OnWireValue(reg, v); })),
      framed_(new TFramedLink([this](int reg, std::uint16_t v) { OnWireValue(reg, v); }, this)) {
    connect(framed_, &TFramedLink::stateChanged, this, &TEquipComm::linkStateChanged);
    rtu_->SetLostHandler([this] {
        ClearQueues();
        serialPortFlag_ = false;
        emit linkStateChanged();
    });
}

TEquipComm::~TEquipComm() = default;

bool TEquipComm::IsConnected() const {
    return tcp_ ? framed_->IsConnected() : rtu_->IsOpen();
}

bool TEquipComm::IsConnecting() const {
    return tcp_ && framed_->IsConnecting();
}

bool TEquipComm::IsPending() const {
    return framed_->IsPending() || rtu_->IsPending();
}

void TEquipComm::SetBackground(bool background) {
    rtu_->SetBackground(background);
    framed_->SetBackground(background);
}

std::uint64_t TEquipComm::ValueFrames() const {
    return framed_->ValueFrames();
}

bool TEquipComm::Record(bool ok) {
    failure_ = ok ? TLinkFailure::None : tcp_ ? framed_->LastFailure() : rtu_->LastFailure();
    if (!ok && !IsConnected())
        failure_ = TLinkFailure::Closed;
    return ok;
}

void TEquipComm::SetValueObserver(std::function<void(int, std::uint16_t)> observer) {
    observer_ = std::move(observer);
}

std::uint32_t TEquipComm::TransactionCounter() const {
    return framed_->TransactionCounter();
}

void TEquipComm::SetTransactionCounter(std::uint32_t counter) {
    framed_->SetTransactionCounter(counter);
}

void TEquipComm::OnWireValue(int wireRegister, std::uint16_t value) {
    if (observer_)
        observer_(Family() == kBankedFamily ? wireRegister & 0x7FFF : wireRegister, value);
    image_.StoreRegister(wireRegister, value);
}

std::uint16_t TEquipComm::Wire(int reg) const {
    return static_cast<std::uint16_t>(Family() == kBankedFamily ? (reg + kBankBit) & 0xFFFF : reg);
}

void TEquipComm::ClearQueues() {
    readQueue_.clear();
    writeQueue_.clear();
}

double TEquipComm::Wait(double waitSeconds) {
    return waitSeconds > 0 ? waitSeconds : kFramedTimeoutSeconds;
}

bool TEquipComm::OpenSerial(const QString& portName, const TLineSettings& settings, bool comPortConnection) {
    Close();
    rtu_->SetAddress(slaveAddress_);
    rtu_->SetBanked(Family() == kBankedFamily);
    const bool opened = rtu_->Open(portName, settings);
    tcp_ = false;
    serialPortFlag_ = comPortConnection && opened;
    emit linkStateChanged();
    return opened;
}

bool TEquipComm::SerialAccessDenied() const {
    return rtu_->AccessDenied();
}

bool TEquipComm::OpenTcp(const QString& deviceIp, const QString& localIp, std::uint16_t port) {
    Close();
    tcp_ = true;
    if (!framed_->Open(deviceIp, localIp, port)) {
        tcp_ = false;
        return false;
    }
    return true;
}

void TEquipComm::Close() {
    framed_->Close();
    rtu_->Close();
    ClearQueues();
    serialPortFlag_ = false;
    emit linkStateChanged();
}

bool TEquipComm::ReadRegisters(int first, int count, bool queue) {
    if (count < 1 || first < 0 || first + count - 1 > 0xFFFF)
        return false;
    if (!tcp_)
        return Record(rtu_->ReadRegisters(first, count));
    std::vector<std::uint16_t> registers;
    registers.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        registers.push_back(Wire(first + i));
    if (queue) {
        readQueue_.insert(readQueue_.end(), registers.begin(), registers.end());
        return true;
    }
    return Record(framed_->SendReadList(registers, kFramedTimeoutSeconds));
}

bool TEquipComm::AllInImage(int first, std::span<const std::uint16_t> values) const {
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (FetchRegister(first + static_cast<int>(i)) != values[i])
            return false;
    }
    return true;
}

bool TEquipComm::WriteRegister(int reg, int value, bool queue, bool force) {
    const int values[] = {value};
    return WriteRegisters(reg, values, queue, force);
}

bool TEquipComm::WriteRegisters(int first, std::span<const int> values, bool queue, bool force) {
    if (values.empty() || first < 0 || first + static_cast<int>(values.size()) - 1 > 0xFFFF ||
        !std::all_of(values.begin(), values.end(), IsWord))
        return false;
    std::vector<std::uint16_t> words(values.begin(), values.end());
    if (!force && AllInImage(first, words))
        return true;
    if (tcp_)
        return FramedWrite(first, words, queue);
    if (words.size() == 1)
        return Record(rtu_->WriteRegister(first, words[0]));
    return Record(rtu_->WriteRegisters(first, words));
}

bool TEquipComm::FramedWrite(int first, std::span<const std::uint16_t> values, bool queue) {
    std::vector<FramedFrame::TPair> pairs;
    std::vector<std::uint16_t> registers;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::uint16_t reg = Wire(first + static_cast<int>(i));
        pairs.push_back({reg, values[i]});
        registers.push_back(reg);
    }
    if (queue) {
        writeQueue_.insert(writeQueue_.end(), pairs.begin(), pairs.end());
        return true;
    }
    // The read-back goes out even when the write failed, so the image shows the device's value.
    const bool written = framed_->SendWriteList(pairs, kFramedTimeoutSeconds);
    const TLinkFailure writeFailure = framed_->LastFailure();
    const bool readBack = Record(framed_->SendReadList(registers, kFramedTimeoutSeconds));
    if (!written)
        failure_ = writeFailure;
    return written && readBack;
}

bool TEquipComm::SendCommand(int code) {
    if (!IsWord(code))
        return false;
    if (!tcp_)
        return Record(rtu_->SendCommand(static_cast<std::uint16_t>(code)));
    // The framed command write never carries the bank bit.
    return Record(framed_->SendWriteList({{kCommandRegister, static_cast<std::uint16_t>(code)}},
                                         kFramedTimeoutSeconds));
}

bool TEquipComm::FlushReads(double waitSeconds) {
    std::vector<std::uint16_t> registers;
    registers.swap(readQueue_);
    if (!IsConnected())
        return Record(false);
    if (!tcp_ || registers.empty())
        return true;
    return Record(framed_->SendReadList(registers, Wait(waitSeconds)));
}

bool TEquipComm::FlushWrites(double waitSeconds) {
    std::vector<FramedFrame::TPair> pairs;
    pairs.swap(writeQueue_);
    if (!IsConnected())
        return Record(false);
    if (!tcp_ || pairs.empty())
        return true;
    std::vector<std::uint16_t> registers;
    registers.reserve(pairs.size());
    for (const auto& pair : pairs)
        registers.push_back(pair.reg);
    const bool written = framed_->SendWriteList(pairs, Wait(waitSeconds));
    const TLinkFailure writeFailure = framed_->LastFailure();
    const bool readBack = Record(framed_->SendReadList(registers, Wait(waitSeconds)));
    if (!written)
        failure_ = writeFailure;
    return written && readBack;
}
