#pragma once

#include "ui/common/Screen.h"
#include "ui/families/PausedCommit.h"

#include <array>

class QLabel;
class QLineEdit;
class TCommitBatch;
class TCommitFilter;
class TRadioGroup;

// The parallelism unit's own entries of the per-unit tables (bus size, positions, resistance per
// position, error times, relay functions), the position measurement, and the move to another bus
// address.
class TFrameConfParalelismo : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfParalelismo(const TScreenContext& context, QWidget* parent = nullptr);

    void ShowScreen(int language) override;

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    static constexpr int kFields = 5;
    // The unit's bus address, if it is one the tables have.
    std::optional<int> BusAddress() const;
    void CommitOnce();
    // Reads the unit's address back, and its entries when it moved, then refills.
    void AfterCommit();
    void CommitUnit(TCommitBatch& batch, int address);
    // The typed address when the user changed the box and it is valid.
    std::optional<int> TypedAddress(TCommitBatch& batch);

    QWidget* background_;
    TCommitFilter* commitFilter_;
    QLabel* lblEndereco_ = nullptr;
    QLineEdit* edEndereco_ = nullptr;
    // What the address box was filled with: only a change of it moves the unit.
    QString filledAddress_;
    std::array<QLabel*, kFields> labels_{};
    std::array<QLineEdit*, kFields> boxes_{};
    std::array<TRadioGroup*, 3> rgConfRele_{}; // relays 7, 8, 9
    TRadioGroup* rgLeituraPosicao_ = nullptr;
    // A commit that moved the unit, until its refill.
    bool moved_ = false;
    TPausedCommit pausedCommit_;
};
