#pragma once

#include "model/LineFit.h"
#include "ui/common/ScreenContext.h"

#include <QDialog>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
struct TCalibrationLine;
class TCommitFilter;
class TEquipComm;
class TGridCellEditor;
class TRadioGroup;

// Calibration of the analog current outputs of both boards from desired and obtained currents.
// Clicking a row makes the device drive its desired current; the technician types what a meter
// reads, and desired = gain x obtained + offset is fitted by least squares and saved as floats.
class TFormCalibCorrente : public QDialog {
    Q_OBJECT
public:
    TFormCalibCorrente(const TScreenContext& context, int language, QWidget* parent = nullptr);
    ~TFormCalibCorrente() override;
    TFormCalibCorrente(const TFormCalibCorrente&) = delete;
    TFormCalibCorrente& operator=(const TFormCalibCorrente&) = delete;

    void ApplyLanguage(int language);
    // A click on a cell: opens its editor and drives the row's desired current.
    void sgValoresMouseDown(int row, int column);
    void cbIndexSaidaChange(int index);
    void rgEscalaClick(int index);
    // Saves the fit to the device; false when it failed.
    bool bbSalvarCalibracaoClick();
    void bbAceitaClick();

private:
    QString Text(int id) const;
    TEquipComm& Session() const { return context_.session; }
    QWidget* BuildSelection(QWidget* parent);
    QWidget* BuildResults(QWidget* parent);
    TCalibrationLine& Line() const;
    int GainRegister() const;
    int OffsetRegister() const;
    float DeviceFloat(int reg) const;
    std::optional<double> CellValue(int row, int column) const;
    void SetRows(int points);
    void PaintRows();
    void LoadGrid();
    void ShowDeviceCalibration();
    void Fit();
    bool CommitCell(int row, int column, const QString& text);
    void Drive(const QString& text);
    void edNumPontosExit();
    void StoreRecord();
    bool SaveToDevice();
    bool FitUnsaved() const;
    // Stores the record and asks about an unsaved fit; false to stay where the dialog is.
    bool MayLeave();

    TScreenContext context_;
    int language_;
    QWidget* pnBack_;
    TCommitFilter* commitFilter_;
    QLabel* lblIndexSaida_ = nullptr;
    QComboBox* cbIndexSaida_ = nullptr;
    TRadioGroup* rgEscala_ = nullptr;
    QLabel* lblNumPontos_ = nullptr;
    QLineEdit* edNumPontos_ = nullptr;
    QTableWidget* sgValores_ = nullptr;
    QLabel* pnCalibAtual_ = nullptr;
    QLabel* pnCoefAng_ = nullptr;
    QLabel* pnCoefLin_ = nullptr;
    QLabel* pnCorr_ = nullptr;
    QPushButton* bbSalvarCalibracao_ = nullptr;
    QPushButton* bbAceita_ = nullptr;
    QPushButton* bbCancela_ = nullptr;
    std::unique_ptr<TGridCellEditor> editor_;
    int output_ = 0;
    int board_ = 1; // 1: 0-32 mA, 2: 0-1.5 mA
    TLineFit fit_;
    // The serial number was read: the record belongs to this device.
    bool serialKnown_ = false;
    // A transaction is waiting: nothing else starts inside its wait.
    bool busy_ = false;
};
