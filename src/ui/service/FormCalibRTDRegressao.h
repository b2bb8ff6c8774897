#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>

// Regression calibration of the RTD inputs: measured and expected points, their least-squares line, saved to
// the device and the calibration record.
class TFormCalibRTDRegressao : public QDialog {
    Q_OBJECT
public:
    TFormCalibRTDRegressao(const TScreenContext& context, int language, QWidget* parent = nullptr);

private:
    TScreenContext context_;
    int language_;
};
