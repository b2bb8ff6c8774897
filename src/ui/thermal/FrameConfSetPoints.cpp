#include "ui/thermal/FrameConfSetPoints.h"

#include "ui/common/Widgets.h"

TFrameConfSetPoints::TFrameConfSetPoints(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameConfSetPoints");
}

void TFrameConfSetPoints::Retranslate() {}

void TFrameConfSetPoints::Fill() {}
