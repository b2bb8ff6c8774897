#pragma once

#include "ui/common/Screen.h"

// The irrigation controller's settings: cycles, consumption limit, branch delays, pump pressure, meters,
// polarities and options.
class TFrameConfQEL880IRR : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfQEL880IRR(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
