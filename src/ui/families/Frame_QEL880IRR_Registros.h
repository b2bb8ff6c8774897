#pragma once

#include "ui/common/Screen.h"

// The irrigation controller's record card: the last records into a table and a text file, and its erasure.
class TFrame_QEL880IRR_Registros : public TScreen {
    Q_OBJECT
public:
    explicit TFrame_QEL880IRR_Registros(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void Fill() override;

private:
    QWidget* background_;
};
