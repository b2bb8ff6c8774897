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
    static constexpr int kUnits = 16;

    TFrameConfGeral_QEL880P(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    bool ReadAfterSignature() override;
    void QueueInitialReads(TReadBatch& batch) override;
    void AfterConfLoaded() override;
    void QueueLiveReads(TReadBatch& batch) override;
    void FillReadings(bool connected) override;
    void RetranslateReadings() override;

private:
    void BuildReadings();
    // Reads the unit's bus address at once; false when it cannot be read or is no unit's.
    bool ReadUnit();
    QString OwnText(int id) const;
    int v(int reg) const;
    QString ModeName(int mode) const;
    // The texts of the set bits of error word `word` (0..4), joined by "; ".
    QString ErrorText(int word) const;
    void FillFunctions();
    void bbPosicaoClick(int command);

    int unit_ = 0;
    QTableWidget* sgMedidas_ = nullptr;
    QPushButton* bbPosicaoUp_ = nullptr;
    QPushButton* bbPosicaoDown_ = nullptr;
    TRelayLamps* relays_ = nullptr;
};
