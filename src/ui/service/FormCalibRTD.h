#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>

#include <memory>

class QTableWidget;
class QTimer;
class TEquipComm;
class TGridCellEditor;

// Direct gain and offset of each RTD input, with the readings before and after once a second.
// Each accepted cell is written to the device at once.
class TFormCalibRTD : public QDialog {
    Q_OBJECT
public:
    TFormCalibRTD(const TScreenContext& context, int language, QWidget* parent = nullptr);
    ~TFormCalibRTD() override;
    TFormCalibRTD(const TFormCalibRTD&) = delete;
    TFormCalibRTD& operator=(const TFormCalibRTD&) = delete;

    void ApplyLanguage(int language);
    // The grid from the image.
    void FillControls();
    // A click on a cell: opens the editor on a gain or an offset.
    void sgValoresMouseDown(int row, int column);
    // One refresh of the readings, unless one is still running.
    void Timer1Timer();

private:
    QString Text(int id) const;
    TEquipComm& Session() const { return context_.session; }
    // The regulator has one RTD.
    int Rtds() const;
    float DeviceFloat(int reg) const;
    bool CommitCell(int row, int column, const QString& text);

    TScreenContext context_;
    int language_;
    QWidget* pnBack_;
    QTableWidget* sgValores_ = nullptr;
    std::unique_ptr<TGridCellEditor> editor_;
    QTimer* timer1_;
    bool timerBusy_ = false;
};
