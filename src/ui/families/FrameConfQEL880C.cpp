#include "ui/families/FrameConfQEL880C.h"

#include "ui/common/Widgets.h"

TFrameConfQEL880C::TFrameConfQEL880C(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfQEL880C");
}

void TFrameConfQEL880C::Retranslate() {}

void TFrameConfQEL880C::Fill() {}
