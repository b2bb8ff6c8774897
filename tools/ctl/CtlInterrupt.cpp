#include "CtlInterrupt.h"

#include "link/EquipComm.h"

#include <csignal>

namespace {

constexpr int kCheckMs = 50;

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnSignal(int /*signal*/) {
    interrupted = 1;
}

} // namespace

TCtlInterrupt::TCtlInterrupt(TEquipComm& session)
    : session_(session), previousInt_(std::signal(SIGINT, OnSignal)),
      previousTerm_(std::signal(SIGTERM, OnSignal)) {
    interrupted = 0;
    QObject::connect(&check_, &QTimer::timeout, [this] {
        if (interrupted && session_.IsConnected())
            session_.Close();
    });
    check_.start(kCheckMs);
}

TCtlInterrupt::~TCtlInterrupt() {
    std::signal(SIGINT, previousInt_);
    std::signal(SIGTERM, previousTerm_);
}

bool TCtlInterrupt::Interrupted() const {
    return interrupted != 0;
}
