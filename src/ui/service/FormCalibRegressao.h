#pragma once

#include "model/LineFit.h"
#include "ui/common/ScreenContext.h"
#include "ui/service/FormCalibRegressaoTexts.h"

#include <QDialog>

#include <utility>
#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TEquipComm;
struct TCalibrationLine;

// What the regression dialogs share: measured and expected points of the selected input, kept in the
// calibration record, their least-squares line, and that line written to the device's gain and offset.
// A line that differs from the device's is asked about before it is left behind.
class TFormCalibRegressao : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxPoints = 39; // the record's 40th slot stays free
    static constexpr int kTimerMs = 800;

    void ApplyLanguage(int language);
    void FillControls();
    // One read of the live value, unless the dialog is inside another wait.
    void TimerUpdateTimer();
    void bbAnteriorClick() { Move(-1); }
    void bbProximoClick() { Move(1); }
    void bbLerValorClick();
    void bbAdicionarClick();
    void bbRemoverClick();
    // True when the line reached the device.
    bool bbSalvarCalibracaoClick();
    // Closing asks about an unsaved line first; a failed save keeps the dialog open.
    void reject() override;

    int SelectedInput() const { return input_; }
    const TLineFit& Fit() const { return fit_; }

protected:
    struct TNames {
        const char* previous;
        const char* inputPanel;
        const char* next;
        int columns;
    };
    struct TBlock {
        int first;
        int count;
    };
    struct TRegisters {
        int gain;   // a float in two registers
        int offset; // likewise
        int live;
    };

    TFormCalibRegressao(const TScreenContext& context, int language, const TNames& names, QWidget* parent);

    // The last step of a dialog's constructor: reads the device's calibration, shows the first input's
    // points and starts the timer.
    void Prepare();

    virtual int InputCount() const = 0;
    virtual std::vector<TBlock> CalibrationBlocks() const = 0;
    virtual TBlock LiveBlock() const = 0;
    virtual TRegisters Registers(int input) const = 0;
    virtual TCalibrationLine& RecordLine(int input) = 0;
    virtual QString Caption() const = 0;
    virtual QString InputName(int input) const = 0;
    virtual QString Heading(int column) const = 0;
    // The live value as the panel shows it and as Copy Measurement types it.
    virtual QString LiveText(int raw) const = 0;
    virtual QString CopyText(int raw) const = 0;
    // The expected value of the points from the typed one.
    virtual double Expected(double typed) const { return typed; }
    // Cells past the expected value in a row of the grid.
    virtual void FillExtraCells(int /*row*/, double /*expected*/) {}
    // A write that goes with the line; false when it was refused.
    virtual bool SendExtra() { return true; }

    QString Text(FormCalibRegressaoTexts::TId id) const;
    int Language() const { return language_; }
    TScreenContext& Context() { return context_; }
    TEquipComm& Session() { return context_.session; }
    const TEquipComm& Session() const { return context_.session; }
    QTableWidget* Grid() const { return sgValores_; }
    QHBoxLayout* ExpectedRow() const { return expectedRow_; }
    void HideNavigation();

private:
    void BuildLayout(const TNames& names);
    void BuildGrid(int columns);
    void ConnectButtons();
    void ReadCalibration();
    void LoadPoints();
    void Refit();
    void FillGrid();
    void FillLive();
    void StoreRecord();
    bool Unsaved() const;
    // Whether the selected input may be left: an unsaved line is asked about, saved on Yes.
    bool Settle(bool withCancel);
    bool Save();
    void Move(int step);
    // The selected row of the grid, 1-based; 0 for none.
    int SelectedRow() const;
    float DeviceFloat(int reg) const;

    TScreenContext context_;
    int language_;
    int input_ = 0;
    std::vector<std::pair<float, float>> points_;
    TLineFit fit_;
    bool busy_ = false;
    QPushButton* bbAnterior_ = nullptr;
    QLabel* pnEntrada_ = nullptr;
    QPushButton* bbProximo_ = nullptr;
    QLabel* lblMedido_ = nullptr;
    QLineEdit* edMedido_ = nullptr;
    QPushButton* bbLerValor_ = nullptr;
    QLabel* pnMedidaAtual_ = nullptr;
    QLabel* lblEsperado_ = nullptr;
    QLineEdit* edEsperado_ = nullptr;
    QHBoxLayout* expectedRow_ = nullptr;
    QPushButton* bbAdicionar_ = nullptr;
    QTableWidget* sgValores_ = nullptr;
    QLabel* pnCalibAtual_ = nullptr;
    QPushButton* bbRemover_ = nullptr;
    QLabel* pnCoefAng_ = nullptr;
    QLabel* pnCoefLin_ = nullptr;
    QPushButton* bbSalvarCalibracao_ = nullptr;
    QLabel* pnCorrelacao_ = nullptr;
    QTimer* timerUpdate_;
};
