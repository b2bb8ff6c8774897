#pragma once

#include "ui/general/GeneralScreen.h"

class QTableWidget;
class TRelayLamps;

// Screen 0 of the tap position indicator: the transducer's resistance and current, the tap position
// as a number and in the style the device displays it, its failure, the ten outputs and the clock.
class TFrameConfGeral_QEL880C : public TGeneralScreen {
    Q_OBJECT
public:
    TFrameConfGeral_QEL880C(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void AfterInitialReads() override;
    void FillReadings(bool connected) override;
    void RetranslateReadings() override;

private:
    void BuildReadings();
    QString OwnText(int id) const;
    int v(int reg) const;
    QString IndicationText() const;
    QString FailureText() const;

    QTableWidget* sgMedidas_ = nullptr;
    TRelayLamps* relays_ = nullptr;
};
