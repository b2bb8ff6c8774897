#include "ui/general/RelayIndicator.h"

#include "ui/common/Widgets.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

TRelayIndicator::TRelayIndicator(int number, bool withPicture, QWidget* parent)
    : QWidget(parent), layout_(new QHBoxLayout(this)), lamp_(new QLabel(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    lamp_->setObjectName(QStringLiteral("spRele%1").arg(number));
    lamp_->setFixedSize(16, 16);
    layout_->addWidget(lamp_);
    if (withPicture) {
        picture_ = new QLabel(this);
        picture_->setObjectName(QStringLiteral("imgRele%1").arg(number));
        picture_->setFixedSize(32, 32);
        layout_->addWidget(picture_);
    }
    Clear();
}

void TRelayIndicator::AddBeside(QWidget* widget, int stretch) {
    layout_->addWidget(widget, stretch);
}

void TRelayIndicator::ShowState(bool closed) {
    SetLamp(closed);
    if (!picture_ || shownClosed_ == closed)
        return;
    shownClosed_ = closed;
    picture_->setPixmap(
        QIcon(closed ? ":/assets/relay_closed.svg" : ":/assets/relay_open.svg").pixmap(32, 32));
}

void TRelayIndicator::SetLamp(bool lit) {
    Widgets::SetStyle(lamp_, lit ? "background: red; border-radius: 8px;"
                                 : "background: black; border-radius: 8px;");
}

void TRelayIndicator::Clear() {
    SetLamp(false);
    if (picture_)
        picture_->clear();
    shownClosed_.reset();
}
