#pragma once

#include "ui/general/GeneralScreen.h"

class QPushButton;
class QTableWidget;
class TRelayLamps;

// Screen 0 of the parallelism controller: the connected unit's own position, mode and error words
// (its entries in the group's per-unit tables), its ten relays, and raising or lowering its tap.
class TFrameConfGeral_QEL880P : public TGeneralScreen {
    Q_OBJECT
public:
    TFrameConfGeral_QEL880P(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void AfterConfLoaded() override;
    void FillReadings(bool connected) override;
    void RetranslateReadings() override;

private:
    void BuildReadings();
    // Reads the unit's bus address at once; false when it cannot be read or is no unit's.
    // The unit's place in its group that the device holds now.
    int Unit() const;
    QString OwnText(int id) const;
    int v(int reg) const;
    QString ModeName(int mode) const;
    // The texts of the set bits of error word `word` (0..4), joined by "; ".
    QString ErrorText(int word) const;
    void FillFunctions();
    void bbPosicaoClick(int command);

    QTableWidget* sgMedidas_ = nullptr;
    QPushButton* bbPosicaoUp_ = nullptr;
    QPushButton* bbPosicaoDown_ = nullptr;
    TRelayLamps* relays_ = nullptr;
};
