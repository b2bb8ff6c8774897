#include "ui/general/RelayLamps.h"

#include "ui/general/RelayIndicator.h"

#include <QGridLayout>
#include <QLabel>

TRelayLamps::TRelayLamps(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < kRelays; ++i) {
        auto* relay = new TRelayIndicator(i + 1, true, this);
        auto* caption = new QLabel(relay);
        caption->setObjectName(QStringLiteral("lblRele%1").arg(i + 1));
        relay->AddBeside(caption, 1);
        grid->addWidget(relay, i % 2, i / 2);
        relays_[static_cast<std::size_t>(i)] = relay;
        captions_[static_cast<std::size_t>(i)] = caption;
    }
}

QLabel* TRelayLamps::Caption(int n) const {
    return captions_[static_cast<std::size_t>(n - 1)];
}

void TRelayLamps::SetCaptionsVisible(bool visible) {
    for (QLabel* caption : captions_)
        caption->setVisible(visible);
}

void TRelayLamps::Show(int n, bool closed) {
    relays_[static_cast<std::size_t>(n - 1)]->ShowState(closed);
}

void TRelayLamps::Clear() {
    for (TRelayIndicator* relay : relays_)
        relay->Clear();
}
