#pragma once

#include "ui/common/Screen.h"
#include "ui/families/PausedCommit.h"

#include <array>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class TCommitBatch;
class TCommitFilter;
class TRadioGroup;

// The regulator's equipment settings: line-drop compensation, transformer connection, thresholds and tap
// changer.
class TFrameConfQEL880R : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfQEL880R(const TScreenContext& context, QWidget* parent = nullptr);

    static constexpr int kEdits = 17;
    static constexpr int kGroups = 4;

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    void BuildLayout();
    // The edit boxes of group box `group`, from row `row` of its grid on.
    void AddEdits(int group, QGridLayout* grid, int row);
    TRadioGroup* Group(const char* name, int columns, QWidget* parent);
    void CommitOnce();
    // The edit boxes first..last-1 of the field table.
    void CommitEdits(TCommitBatch& batch, std::size_t first, std::size_t last);

    QWidget* background_;
    TCommitFilter* commitFilter_;
    TPausedCommit pausedCommit_;
    std::array<QGroupBox*, kGroups> groups_{};
    TRadioGroup* rgTipoLdc_ = nullptr;
    TRadioGroup* rgTipoConexao_ = nullptr;
    TRadioGroup* rgDesligaMedida_ = nullptr;
    std::array<QLabel*, kEdits> labels_{};
    std::array<QLineEdit*, kEdits> edits_{};
};
