#pragma once

#include "ui/general/GeneralScreen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TCommitFilter;
class TRelayIndicator;

// Screen 0 of the irrigation controller, reached over USB or the network: rain gauge, water
// meters, pressure, inputs, temperature and system status, the pump, branch and alarm outputs with
// the names the user gives the five branches, and the controller's service commands. A device that
// stops answering is given up after a few polls and said once.
class TFrameConfGeral_QEL880IRR : public TGeneralScreen {
    Q_OBJECT
public:
    TFrameConfGeral_QEL880IRR(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void FillReadings(bool connected) override;
    void CommitReadings(TCommitBatch& batch) override;
    void RetranslateReadings() override;
    void SayLinkLost() override;

private:
    void BuildReadings();
    QWidget* BuildOutputs();
    void FillMeasures();
    void FillOutputs();
    void ShowNames(bool connected);

    TCommitFilter* commitFilter_;
    QTableWidget* sgMedidas_ = nullptr;
    QPushButton* bbManual_ = nullptr;
    QPushButton* bbResetHydrometer_ = nullptr;
    QPushButton* bbResetPluviometer_ = nullptr;
    QPushButton* bbUnblockSystem_ = nullptr;
    QPushButton* bbEmergency_ = nullptr;
    std::array<TRelayIndicator*, 10> outputs_{};
    std::array<QLabel*, 10> lblRele_{};   // outputs 1, 7, 8, 9, 10
    std::array<QLineEdit*, 10> edRele_{}; // outputs 2..6, the branch valves
};
