#pragma once

#include "ui/common/Screen.h"

// The regulator's equipment settings: line-drop compensation, transformer connection, thresholds and tap
// changer.
class TFrameConfQEL880R : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfQEL880R(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
