#pragma once

#include "ui/common/Screen.h"

// The analog current outputs: range, full scales and the channel driving each output.
class TFrameConfSaidaCorrente : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfSaidaCorrente(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
