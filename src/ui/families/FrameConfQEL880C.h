#pragma once

#include "ui/common/Screen.h"

// The position indicator's settings: measurement mode and positions.
class TFrameConfQEL880C : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfQEL880C(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
