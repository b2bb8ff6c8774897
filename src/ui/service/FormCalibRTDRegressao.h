#pragma once

#include "ui/service/FormCalibRegressao.h"

class QComboBox;

// Regression calibration of the RTD (Pt100) inputs: the expected value is typed in ohms or in ºC and
// kept in ohms.
class TFormCalibRTDRegressao : public TFormCalibRegressao {
    Q_OBJECT
public:
    TFormCalibRTDRegressao(const TScreenContext& context, int language, QWidget* parent = nullptr);

protected:
    int InputCount() const override;
    std::vector<TBlock> CalibrationBlocks() const override;
    TBlock LiveBlock() const override;
    TRegisters Registers(int input) const override;
    TCalibrationLine& RecordLine(int input) override;
    QString Caption() const override;
    QString InputName(int input) const override;
    QString Heading(int column) const override;
    QString LiveText(int raw) const override;
    QString CopyText(int raw) const override;
    double Expected(double typed) const override;
    void FillExtraCells(int row, double expected) override;

private:
    bool Regulator() const;

    QComboBox* cbUnidade_;
};
