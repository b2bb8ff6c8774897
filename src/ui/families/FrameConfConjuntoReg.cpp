#include "ui/families/FrameConfConjuntoReg.h"

#include "ui/common/Widgets.h"

TFrameConfConjuntoReg::TFrameConfConjuntoReg(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfConjuntoReg");
}

void TFrameConfConjuntoReg::Retranslate() {}

void TFrameConfConjuntoReg::Fill() {}
