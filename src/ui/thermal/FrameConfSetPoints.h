#pragma once

#include "ui/common/Screen.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class TCommitBatch;
class TCommitFilter;
class TRadioGroup;

// The thermal monitor's relays: set points, hysteresis, delays, channels, forcing, logic and
// function in a grid edited cell by cell, with the daily cooling, alternation, active and redundant
// RTDs and the parameters of the temperature calculation.
class TFrameConfSetPoints : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfSetPoints(const TScreenContext& context, QWidget* parent = nullptr);

    // A click on a cell: opens its editor (data cells only).
    void sgSetPointsMouseDown(int row, int column);

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Text(int id) const;
    QWidget* BuildDailyCooling();
    QWidget* BuildConfiguration();
    QWidget* BuildCalculation();
    // The names of a list column in the current language; the channel column has all nine.
    QStringList ColumnNames(int column) const;
    // The channels the device has: oil, its windings, and RTD 2 up to the active RTDs.
    QStringList ChannelChoices() const;
    void FillGrid();
    void CommitGrid(TCommitBatch& batch);
    void CommitBoxes(TCommitBatch& batch);
    void CommitRtds(TCommitBatch& batch);
    void edValExit();
    void CloseEditors();
    void cbValSelect(int index);

    QWidget* background_;
    TCommitFilter* commitFilter_;
    QTableWidget* sgSetPoints_ = nullptr;
    QLineEdit* edVal_ = nullptr;
    QComboBox* cbVal_ = nullptr;
    // The cell being edited.
    std::optional<std::pair<int, int>> editing_;

    QGroupBox* gbResfriamentoDiario_ = nullptr;
    QLabel* lblInicio_ = nullptr;
    QLineEdit* edInicioH_ = nullptr;
    QLineEdit* edInicioM_ = nullptr;
    QLabel* lblDuracao_ = nullptr;
    QLineEdit* edDuracao_ = nullptr;

    QGroupBox* gbConfig_ = nullptr;
    QLabel* lblReleAlternado_ = nullptr;
    QComboBox* cbReleAlternado_ = nullptr;
    TRadioGroup* rgNumRtd_ = nullptr;
    QGroupBox* gbRedundante_ = nullptr;
    std::array<QCheckBox*, 5> cbRedundante_{}; // RTD 2..6
    QLabel* lblMaxDifTemp_ = nullptr;
    QLineEdit* edMaxDifTemp_ = nullptr;

    QGroupBox* gbCalc_ = nullptr;
    QLabel* lblCorrNom_ = nullptr;
    QLabel* lblDeltaT_ = nullptr;
    QLabel* lblConstT_ = nullptr;
    QLabel* lblM_ = nullptr;
    std::array<QLineEdit*, 3> edCalcCorrNom_{};
    std::array<QLineEdit*, 3> edCalcDeltaT_{};
    QLineEdit* edCalcConstT_ = nullptr;
    QLineEdit* edCalcM_ = nullptr;
};
