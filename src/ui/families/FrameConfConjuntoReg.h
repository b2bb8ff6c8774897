#pragma once

#include "ui/common/Screen.h"
#include "ui/families/PausedCommit.h"

#include <array>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class TCommitBatch;
class TCommitFilter;
class TRadioGroup;

// The regulator's eight regulation sets, one shown at a time.
class TFrameConfConjuntoReg : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfConjuntoReg(const TScreenContext& context, QWidget* parent = nullptr);

    static constexpr int kSets = 8;
    static constexpr int kEdits = 9;
    static constexpr int kLabels = 7;

    // A set chosen in the list: read from the device and shown, nothing written.
    void cbConjuntoSelect(int index);
    int SelectedSet() const { return set_; }

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    void BuildLayout();
    void AddRow(QGridLayout* grid, int label, int edit);
    // A start or end time: hour ":" minute.
    void AddTimeRow(QGridLayout* grid, int label, int hourEdit);
    TRadioGroup* Group(const char* name);
    void CommitOnce();
    void CommitEdits(TCommitBatch& batch, std::size_t first, std::size_t last);
    // The register of parameter j (1..11) of the selected set.
    int Register(int j) const { return 20 * set_ + j; }

    QWidget* background_;
    TCommitFilter* commitFilter_;
    TPausedCommit pausedCommit_;
    int set_ = 0;
    QGroupBox* gbConjunto_ = nullptr;
    QComboBox* cbConjunto_ = nullptr;
    TRadioGroup* rgComando_ = nullptr;
    TRadioGroup* rgTemporizacao_ = nullptr;
    std::array<QLabel*, kLabels> labels_{};
    std::array<QLineEdit*, kEdits> edits_{};
};
