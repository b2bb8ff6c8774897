#pragma once

#include "ui/common/Screen.h"
#include "ui/families/PausedCommit.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class TRadioGroup;

// The position indicator's settings: how the position is measured and the range of positions.
class TFrameConfQEL880C : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfQEL880C(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    static constexpr int kBoxes = 4;
    void CommitOnce();

    QWidget* background_;
    TRadioGroup* rgModoLeitura_ = nullptr;
    QGroupBox* gbComutador_ = nullptr;
    std::array<QLabel*, kBoxes> labels_{};
    std::array<QLineEdit*, kBoxes> boxes_{};
    QLabel* lblPosNeutra_ = nullptr;
    QLineEdit* edPosNeutra_ = nullptr;
    TPausedCommit pausedCommit_;
};
