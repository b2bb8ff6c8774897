#include "ui/service/FormCalibRTD.h"

#include "ui/common/Language.h"

TFormCalibRTD::TFormCalibRTD(const TScreenContext& context, int language, QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)) {
    setObjectName("FormCalibRTD");
}
