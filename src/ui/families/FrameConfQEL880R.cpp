#include "ui/families/FrameConfQEL880R.h"

#include "ui/common/Widgets.h"

TFrameConfQEL880R::TFrameConfQEL880R(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfQEL880R");
}

void TFrameConfQEL880R::Retranslate() {}

void TFrameConfQEL880R::Fill() {}
