#include "ui/families/FrameConfQEL880IRR.h"

#include "ui/common/Widgets.h"

TFrameConfQEL880IRR::TFrameConfQEL880IRR(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfQEL880IRR");
}

void TFrameConfQEL880IRR::Retranslate() {}

void TFrameConfQEL880IRR::Fill() {}
