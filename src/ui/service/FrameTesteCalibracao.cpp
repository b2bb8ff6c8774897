#include "ui/service/FrameTesteCalibracao.h"

#include "ui/common/Widgets.h"

TFrameTesteCalibracao::TFrameTesteCalibracao(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameTesteCalibracao");
}

void TFrameTesteCalibracao::Retranslate() {}

void TFrameTesteCalibracao::Fill() {}
