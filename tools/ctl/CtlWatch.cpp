#include "CtlWatch.h"

#include "link/EquipComm.h"
#include "link/RtuFrame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <csignal>

namespace {

constexpr int kReadChunk = RtuFrame::kMaxReadCount;
constexpr int kPollMs = 10;

volatile std::sig_atomic_t interrupted = 0;

extern "C" void Interrupt(int /*signal*/) {
    interrupted = 1;
}

} // namespace

TCtlWatch::TCtlWatch(TEquipComm& session, std::map<int, std::uint16_t>& received, const TCtlOptions& options,
                     QTextStream& out, QTextStream& err)
    : session_(session), received_(received), options_(options), out_(out), err_(err) {}

int TCtlWatch::Run() {
    interrupted = 0;
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
    const QChar separator = options_.csv ? QChar(',') : QChar(' ');
    if (options_.csv) {
        out_ << "time";
        for (int reg = options_.first; reg < options_.first + options_.count; ++reg)
            out_ << separator << reg;
        out_ << Qt::endl;
    }
    QDeadlineTimer next(0);
    while (Wait(static_cast<int>(next.remainingTime()))) {
        next.setRemainingTime(options_.intervalMs);
        if (Sample())
            continue;
        if (!session_.IsConnected()) {
            err_ << "qel880ctl: the link to the device is gone" << Qt::endl;
            return 1;
        }
    }
    return 0;
}

bool TCtlWatch::Sample() {
    const int first = options_.first;
    const int end = first + options_.count;
    for (int reg = first; reg < end; ++reg)
        received_.erase(reg);
    for (int at = first; at < end; at += kReadChunk)
        session_.ReadRegisters(at, std::min(kReadChunk, end - at), true);
    session_.FlushReads();
    const QString time = QDateTime::currentDateTime().toString(Qt::ISODate);
    for (int reg = first; reg < end; ++reg) {
        if (!received_.contains(reg)) {
            err_ << "qel880ctl: " << time << " no reply for register " << reg << Qt::endl;
            return false;
        }
    }
    const QChar separator = options_.csv ? QChar(',') : QChar(' ');
    out_ << time;
    for (int reg = first; reg < end; ++reg)
        out_ << separator << received_.at(reg);
    out_ << Qt::endl; // a line at a time, also into a pipe
    return true;
}

bool TCtlWatch::Wait(int ms) const {
    const QDeadlineTimer deadline(std::max(ms, 0));
    while (!interrupted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, kPollMs);
        if (deadline.hasExpired())
            return !interrupted;
        QThread::msleep(kPollMs);
    }
    return false;
}
