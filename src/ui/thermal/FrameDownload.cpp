#include "ui/thermal/FrameDownload.h"

#include "ui/common/Widgets.h"

TFrameDownload::TFrameDownload(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("FrameDownload");
}

void TFrameDownload::Retranslate() {}

void TFrameDownload::Fill() {}
