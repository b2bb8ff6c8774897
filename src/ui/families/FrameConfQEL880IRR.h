#pragma once

#include "ui/common/Screen.h"
#include "ui/families/PausedCommit.h"

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class TCommitBatch;
class TCommitFilter;
class TRadioGroup;

// The irrigation controller's settings: cycles, consumption limit, branch delays, pump pressure, meters,
// polarities and options.
class TFrameConfQEL880IRR : public TScreen {
    Q_OBJECT
public:
    explicit TFrameConfQEL880IRR(const TScreenContext& context, QWidget* parent = nullptr);

    // Shows cycle 1 again each time.
    void ShowScreen(int language) override;

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    void Fill() override;
    void Commit() override;

private:
    void CommitOnce();
    // The edit boxes checked against the field table, in the order a commit checks them.
    enum TFieldId {
        DurationField,
        ConsumptionField,
        DelayField,
        ManualDurationField,
        FullScaleField,
        MaxPressureField,
        MinPressureField,
        TimerMaxField,
        TimerMinField,
        HydrometerFactorField,
        PluviometerFactorField,
        PluviometerMaxField,
        PluviometerPeriodField,
        PluviometerBranchField,
        FieldCount
    };
    enum TGroupId {
        ValvesGroup,
        SensorGroup,
        ModeGroup,
        WaterPresenceGroup,
        PressureSwitchGroup,
        GroupCount
    };
    enum TCheckId { BlockCheck, HydrometerCheck, PluviometerCheck, Pt100Check, BuzzerCheck, CheckCount };
    static constexpr int kBranches = 5;

    // A control whose caption follows the language; `number` fills a "%1" in it.
    struct TCaption {
        QWidget* widget;
        int id;
        int number;
    };

    QWidget* BuildCycle();
    QWidget* BuildPump();
    QWidget* BuildSensors();
    QWidget* BuildGeneral();
    QLabel* Label(const QString& name, int id, QWidget* parent, int number = 0);
    // A table field's caption, box and unit on one row of `grid`.
    std::array<QWidget*, 3> FieldRow(QGridLayout* grid, int row, TFieldId field, const char* label,
                                     int caption, const QString& unit);
    // The caption of a run over its five numbered boxes, each with its unit when there is one.
    void RunRows(QGridLayout* grid, int row, TFieldId field, const char* label, int caption,
                 const QString& unit = {});
    QCheckBox* CheckBox(const QString& name, int caption, QWidget* parent, int number = 0);
    TRadioGroup* Group(TGroupId id, const char* name, int columns, QWidget* parent);
    void SelectCycle(int index);
    int Register(TFieldId field, int box) const;
    void CommitStart(TCommitBatch& batch);
    void CommitFields(TCommitBatch& batch);
    void CommitChoices(TCommitBatch& batch);

    QWidget* background_;
    TCommitFilter* commitFilter_;
    int cycle_ = 0;
    QComboBox* cbCiclo_ = nullptr;
    QLineEdit* edInicioH_ = nullptr;
    QLineEdit* edInicioM_ = nullptr;
    std::array<QCheckBox*, kBranches> cbRamal_{};
    std::array<std::array<QLineEdit*, kBranches>, FieldCount> edits_{};
    std::array<TRadioGroup*, GroupCount> groups_{};
    std::array<QCheckBox*, CheckCount> checks_{};
    std::vector<TCaption> captions_;
    TPausedCommit pausedCommit_;
};
