#pragma once

#include "ui/general/GeneralScreen.h"

#include <array>

class QLabel;
class QPushButton;
class QTableWidget;
class TRelayIndicator;

// Screen 0 of the voltage regulator relay: its electrical readings, the tap position in the display
// style chosen on the device, the position extremes and commutation count, the ten relays, tap
// commands, and how many current outputs the device has fitted.
class TFrameConfGeral_QEL880R : public TGeneralScreen {
    Q_OBJECT
public:
    TFrameConfGeral_QEL880R(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void AfterInitialReads() override;
    void FillReadings(bool connected) override;
    void CommitReadings(TCommitBatch& batch) override;
    void RetranslateReadings() override;

private:
    void BuildReadings();
    void FillGrids();
    void FillPosition();
    void bbResetMaxMinComClick();

    TRadioGroup* rgVisualizacao_ = nullptr;
    QTableWidget* sgMedidas_ = nullptr;
    QTableWidget* sgMedidas2_ = nullptr;
    QPushButton* bbResetMaxMinCom_ = nullptr;
    QPushButton* bbPosicaoUp_ = nullptr;
    QPushButton* bbPosicaoDown_ = nullptr;
    std::array<TRelayIndicator*, 10> relays_{};
    std::array<QLabel*, 10> lblRele_{};
};
