#include "CtlWatch.h"

#include "CtlInterrupt.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "link/RtuFrame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>

namespace {

constexpr int kReadChunk = RtuFrame::kMaxReadCount;
constexpr int kPollMs = 10;
constexpr int kSilentSamples = 5; // in a row, each after the link's own time-outs

} // namespace

TCtlWatch::TCtlWatch(TEquipComm& session, std::map<int, std::uint16_t>& received, const TCtlOptions& options,
                     QTextStream& out, QTextStream& err)
    : session_(session), received_(received), options_(options), out_(out), err_(err) {}

int TCtlWatch::Run() {
    const TCtlInterrupt interrupt(session_);
    interrupt_ = &interrupt;
    const QChar separator = options_.csv ? QChar(',') : QChar(' ');
    if (options_.csv) {
        out_ << "time";
        for (int reg = options_.first; reg < options_.first + options_.count; ++reg)
            out_ << separator << reg;
        out_ << Qt::endl;
    }
    QDeadlineTimer next(0);
    int silent = 0;
    while (Wait(static_cast<int>(next.remainingTime()))) {
        next.setRemainingTime(options_.intervalMs);
        const TLinkFailure failure = Sample();
        if (interrupt.Interrupted())
            break;
        if (failure == TLinkFailure::None || failure == TLinkFailure::Refused) {
            silent = 0;
            continue;
        }
        if (!session_.IsConnected()) {
            err_ << "qel880ctl: the link to the device is gone" << Qt::endl;
            return 1;
        }
        if (++silent >= kSilentSamples) {
            err_ << "qel880ctl: the device does not answer" << Qt::endl;
            return 1;
        }
    }
    return 0;
}

TLinkFailure TCtlWatch::Sample() {
    const int first = options_.first;
    const int end = first + options_.count;
    for (int reg = first; reg < end; ++reg)
        received_.erase(reg);
    TReadBatch batch(session_);
    for (int at = first; at < end; at += kReadChunk)
        batch.Add(at, std::min(kReadChunk, end - at));
    const bool read = batch.Flush();
    const QString time = QDateTime::currentDateTime().toString(Qt::ISODate);
    for (int reg = first; reg < end; ++reg) {
        if (!received_.contains(reg)) {
            if (!interrupt_->Interrupted())
                err_ << "qel880ctl: " << time << " no reply for register " << reg << Qt::endl;
            return read ? TLinkFailure::Refused : batch.Failure();
        }
    }
    const QChar separator = options_.csv ? QChar(',') : QChar(' ');
    out_ << time;
    for (int reg = first; reg < end; ++reg)
        out_ << separator << received_.at(reg);
    out_ << Qt::endl; // a line at a time, also into a pipe
    return TLinkFailure::None;
}

bool TCtlWatch::Wait(int ms) const {
    const QDeadlineTimer deadline(std::max(ms, 0));
    while (!interrupt_->Interrupted()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
        if (deadline.hasExpired())
            return !interrupt_->Interrupted();
        QThread::msleep(kPollMs);
    }
    return false;
}
