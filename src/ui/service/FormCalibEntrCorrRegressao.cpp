#include "ui/service/FormCalibEntrCorrRegressao.h"

#include "ui/common/Language.h"

TFormCalibEntrCorrRegressao::TFormCalibEntrCorrRegressao(const TScreenContext& context, int language,
                                                         QWidget* parent)
    : QDialog(parent), context_(context), language_(Language::Index(language)) {
    setObjectName("FormCalibEntrCorrRegressao");
}
