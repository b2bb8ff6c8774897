#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>

// Calibration of the analog current outputs of both boards from desired and obtained currents.
class TFormCalibCorrente : public QDialog {
    Q_OBJECT
public:
    TFormCalibCorrente(const TScreenContext& context, int language, QWidget* parent = nullptr);

private:
    TScreenContext context_;
    int language_;
};
