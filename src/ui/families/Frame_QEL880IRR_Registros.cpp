#include "ui/families/Frame_QEL880IRR_Registros.h"

#include "ui/common/Widgets.h"

TFrame_QEL880IRR_Registros::TFrame_QEL880IRR_Registros(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("Frame_QEL880IRR_Registros");
}

void TFrame_QEL880IRR_Registros::Retranslate() {}

void TFrame_QEL880IRR_Registros::Fill() {}
