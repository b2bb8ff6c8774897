#pragma once

#include "ui/common/Screen.h"

#include <QStringList>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TCommitBatch;
class TCommitFilter;
class TFormTesteValores;
class TRadioGroup;

// The hidden service screen: test mode, forced output current, serial number and reference resistor,
// saved block size, test parameters and last errors, and the way into the calibration dialogs.
class TFrameTesteCalibracao : public TScreen {
    Q_OBJECT
public:
    explicit TFrameTesteCalibracao(const TScreenContext& context, QWidget* parent = nullptr);

    // Brings the device's calibration record up to date with the serial number just read.
    void ShowScreen(int language) override;
    // The measurement simulation window of the run, which "Simulate Measurements" shows.
    void SetSimulationWindow(TFormTesteValores* window) { simulation_ = window; }

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    enum TBox { SerialBox, ResistorBox, CurrentBox, BoxCount };
    enum TButtonId {
        CalibrateRtdsButton,
        RtdRegressionButton,
        CurrentInputRegressionButton,
        CalibrateOutputButton,
        SimulateButton,
        ReadTestButton,
        ReadErrorsButton,
        ButtonCount
    };

    void BuildLayout();
    QWidget* BuildDevice(QWidget* parent);
    QWidget* BuildTest(QWidget* parent);
    QLineEdit* Box(TBox box, const char* name, QWidget* parent);
    QPushButton* Button(TButtonId id, const char* name, QWidget* parent);
    void ShowBoardAndSize();
    // A box shows the device's value unless the user is in it; the text it got is remembered so that
    // only a box the user changed is written (a shown value need not parse back to the same one).
    void SetBox(TBox box, const QString& text);
    bool Changed(TBox box) const;
    void ClickCommit();
    void CommitCurrent(TCommitBatch& batch);
    void CommitResistor(TCommitBatch& batch);
    void CommitSerial(TCommitBatch& batch);
    bool LowRangeBoard() const;
    int DeviceSerialNumber() const;
    void UpdateCalibrationRecord(bool serialRead, bool read);
    // Test mode and calibration disabled together, stopping at the first failure.
    bool SetTestMode(int on);
    void bbCalibrarSaidaCorrenteClick();
    template <typename Dialog> void OpenDialog();
    void bbSimulaMedidasClick();
    void bbLerParTesteClick();
    void bbLerUltimosErrosClick();
    void ShowLines(const QStringList& lines);

    QWidget* background_;
    TCommitFilter* commitFilter_;
    std::array<QLineEdit*, BoxCount> boxes_{};
    std::array<QString, BoxCount> filled_{};
    std::array<QPushButton*, ButtonCount> buttons_{};
    QLabel* lblNumSerie_ = nullptr;
    QLabel* lblCalibR127_ = nullptr;
    QLabel* lblSaidaCorrente_ = nullptr;
    QLabel* pnTamanhoParametros_ = nullptr;
    TRadioGroup* rgModoTesteCalibracao_ = nullptr;
    QCheckBox* cbDesativaCalib_ = nullptr;
    TFormTesteValores* simulation_ = nullptr;
};
