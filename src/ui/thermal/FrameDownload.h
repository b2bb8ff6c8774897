#pragma once

#include "ui/common/Screen.h"

// The thermal monitor's history: maxima with their moments, their reset, the event count and timer, the event
// log into a text file and its erasure.
class TFrameDownload : public TScreen {
    Q_OBJECT
public:
    explicit TFrameDownload(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
