#pragma once

#include "ui/common/Screen.h"

// The regulator's eight regulation sets, one shown at a time.
class TFrameConfConjuntoReg : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfConjuntoReg(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
