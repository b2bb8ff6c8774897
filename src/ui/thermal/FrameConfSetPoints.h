#pragma once

#include "ui/common/Screen.h"

// The thermal monitor's relays: set points, hysteresis, delays, channels, forcing, logic and function, with
// the daily cooling, alternation, active and redundant RTDs and the calculation parameters.
class TFrameConfSetPoints : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfSetPoints(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
