#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>

// Regression calibration of the current (and, on the regulator, voltage) inputs.
class TFormCalibEntrCorrRegressao : public QDialog {
    Q_OBJECT
public:
    TFormCalibEntrCorrRegressao(const TScreenContext& context, int language, QWidget* parent = nullptr);

private:
    TScreenContext context_;
    int language_;
};
