#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>

// Direct gain and offset of each RTD input, with the readings before and after once a second.
class TFormCalibRTD : public QDialog {
    Q_OBJECT
public:
    TFormCalibRTD(const TScreenContext& context, int language, QWidget* parent = nullptr);

private:
    TScreenContext context_;
    int language_;
};
