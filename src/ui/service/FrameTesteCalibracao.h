#pragma once

#include "ui/common/Screen.h"

// The hidden service screen: test mode, forced output current, serial number and reference resistor,
// saved block size, test parameters and last errors, and the way into the calibration dialogs.
class TFrameTesteCalibracao : public TScreen {
    Q_OBJECT
public:
    explicit TFrameTesteCalibracao(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
