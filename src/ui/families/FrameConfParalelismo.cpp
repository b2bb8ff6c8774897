#include "ui/families/FrameConfParalelismo.h"

#include "ui/common/Widgets.h"

TFrameConfParalelismo::TFrameConfParalelismo(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfParalelismo");
}

void TFrameConfParalelismo::Retranslate() {}

void TFrameConfParalelismo::Fill() {}
