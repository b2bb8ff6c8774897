#pragma once

#include "ui/general/GeneralScreen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TCommitFilter;
class TRelayIndicator;

// Screen 0 of the thermal monitor: its RTD and winding readings, relay contacts with the names the
// user gives them, indication and operating frequency; the membrane-test variant over a serial link.
class TFrameConfGeral : public TGeneralScreen {
    Q_OBJECT
public:
    TFrameConfGeral(const TScreenContext& context, QWidget* parent = nullptr);

    // Opens the membrane-failure dialog, the screen's own polling stopped while it is open.
    void BitBtn1Click();

protected:
    void AfterInitialReads() override;
    void FillReadings(bool connected) override;
    void CommitReadings(TCommitBatch& batch) override;
    void RetranslateReadings() override;
    bool Membrane() const;

private:
    void BuildReadings();
    QWidget* BuildRelays();
    void FillRelays();
    void ClearReadings();

    TCommitFilter* commitFilter_;
    QPushButton* BitBtn1_ = nullptr;
    TRadioGroup* rgVisualizacao_ = nullptr;
    TRadioGroup* rgFreqOperacao_ = nullptr;
    QTableWidget* sgMedidas_ = nullptr;
    QTableWidget* sgMedidasEnrolamento_ = nullptr;
    std::array<TRelayIndicator*, 10> relays_{};
    std::array<QLineEdit*, 10> edRele_{};
};
