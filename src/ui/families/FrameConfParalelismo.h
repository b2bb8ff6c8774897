#pragma once

#include "ui/common/Screen.h"

// The parallelism unit's own entries of the per-unit tables, with the change of its bus address.
class TFrameConfParalelismo : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfParalelismo(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
