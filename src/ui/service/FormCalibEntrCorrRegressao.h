#pragma once

#include "ui/service/FormCalibRegressao.h"

// Regression calibration of the current inputs; on the regulator, of its current input and its
// voltage input.
class TFormCalibEntrCorrRegressao : public TFormCalibRegressao {
    Q_OBJECT
public:
    TFormCalibEntrCorrRegressao(const TScreenContext& context, int language, QWidget* parent = nullptr);

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
    bool SendExtra() override;

private:
    bool Regulator() const;
    // The regulator's voltage input is selected.
    bool Voltage() const;
};
