#include "ui/general/RelayLamps.h"

#include "ui/common/Widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

namespace {

const char* const kBlackLamp = "background: black; border-radius: 8px;";
const char* const kRedLamp = "background: red; border-radius: 8px;";

} // namespace

TRelayLamps::TRelayLamps(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    for (int n = 1; n <= kRelays; ++n) {
        TRelay& r = Relay(n);
        auto* cell = new QHBoxLayout;
        r.lamp = new QLabel(this);
        r.lamp->setObjectName(QStringLiteral("spRele%1").arg(n));
        r.lamp->setFixedSize(16, 16);
        r.picture = new QLabel(this);
        r.picture->setObjectName(QStringLiteral("imgRele%1").arg(n));
        r.picture->setFixedSize(32, 32);
        r.caption = new QLabel(this);
        r.caption->setObjectName(QStringLiteral("lblRele%1").arg(n));
        cell->addWidget(r.lamp);
        cell->addWidget(r.picture);
        cell->addWidget(r.caption, 1);
        grid->addLayout(cell, (n - 1) % 2, (n - 1) / 2);
    }
    Clear();
}

QLabel* TRelayLamps::Caption(int n) const {
    return relays_[static_cast<std::size_t>(n - 1)].caption;
}

void TRelayLamps::SetCaptionsVisible(bool visible) {
    for (TRelay& r : relays_)
        r.caption->setVisible(visible);
}

void TRelayLamps::Show(int n, bool closed) {
    TRelay& r = Relay(n);
    if (r.shown && r.closed == closed)
        return;
    r.shown = true;
    r.closed = closed;
    Widgets::SetStyle(r.lamp, closed ? kRedLamp : kBlackLamp);
    r.picture->setPixmap(
        QIcon(closed ? ":/assets/relay_closed.svg" : ":/assets/relay_open.svg").pixmap(32, 32));
}

void TRelayLamps::Clear() {
    for (TRelay& r : relays_) {
        Widgets::SetStyle(r.lamp, kBlackLamp);
        r.picture->clear();
        r.shown = false;
    }
}
