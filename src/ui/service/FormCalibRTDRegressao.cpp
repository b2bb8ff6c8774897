#include "ui/service/FormCalibRTDRegressao.h"

#include "ui/common/Language.h"

TFormCalibRTDRegressao::TFormCalibRTDRegressao(const TScreenContext& context, int language, QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)) {
    setObjectName("FormCalibRTDRegressao");
}
