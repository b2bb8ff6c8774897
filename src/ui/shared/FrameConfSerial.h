#pragma once

#include "ui/common/Screen.h"

// The protocol settings of the device's own serial ports (Modbus or DNP3 on each).
class TFrameConfSerial : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfSerial(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
