#include "ui/shared/FrameConfSaidaCorrente.h"

#include "ui/common/Widgets.h"

TFrameConfSaidaCorrente::TFrameConfSaidaCorrente(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfSaidaCorrente");
}

void TFrameConfSaidaCorrente::Retranslate() {}

void TFrameConfSaidaCorrente::Fill() {}
