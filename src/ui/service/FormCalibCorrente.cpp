#include "ui/service/FormCalibCorrente.h"

#include "ui/common/Language.h"

TFormCalibCorrente::TFormCalibCorrente(const TScreenContext& context, int language, QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)) {
    setObjectName("FormCalibCorrente");
}
