#include "ui/shared/FrameConfSerial.h"

#include "ui/common/Widgets.h"

TFrameConfSerial::TFrameConfSerial(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfSerial");
}

void TFrameConfSerial::Retranslate() {}

void TFrameConfSerial::Fill() {}
