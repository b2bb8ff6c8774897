#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TCommitFilter;
class TEquipComm;
class TUserPrompts;

// The irrigation controller by hand: the branches and duration of a manual cycle, its start and
// stop, and the pump and branch valves switched directly. Every change is written at once; the
// device's state is read back every few seconds.
class TForm_QEL880IRR_Manual : public QDialog {
    Q_OBJECT
public:
    TForm_QEL880IRR_Manual(TEquipComm& session, int language, TUserPrompts& prompts,
                           QWidget* parent = nullptr);
    ~TForm_QEL880IRR_Manual() override;
    TForm_QEL880IRR_Manual(const TForm_QEL880IRR_Manual&) = delete;
    TForm_QEL880IRR_Manual& operator=(const TForm_QEL880IRR_Manual&) = delete;

    void ApplyLanguage(int language);
    void FillControls();
    void CommitControls();
    // One refresh of the timer, unless one is still running.
    void TimerUpdateTimer();

private:
    QGroupBox* BuildCycle(QWidget* parent);
    QGroupBox* BuildControl(QWidget* parent);
    QCheckBox* Box(const QString& name, QWidget* parent);
    QString Text(int id) const;
    // The message for a failed transaction: whether an earlier one was still waiting for its answer.
    QString CommunicationMessage() const;
    void Refresh();
    void SendCommandAndSay(int code);

    TEquipComm& session_;
    TUserPrompts& prompts_;
    int language_ = 0;
    QWidget* pnBack_;
    TCommitFilter* commitFilter_;
    QGroupBox* gbCicloManual_ = nullptr;
    QGroupBox* gbControleManual_ = nullptr;
    std::array<QCheckBox*, 5> cbCicloValvula_{};
    QLabel* lblDuracao_ = nullptr;
    QLineEdit* edDuracao_ = nullptr;
    QPushButton* bbCicloManual_ = nullptr;
    QPushButton* bbCicloManualCancelar_ = nullptr;
    QCheckBox* cbManualBomba_ = nullptr;
    std::array<QCheckBox*, 5> cbValvula_{};
    QTimer* timerUpdate_;
    bool refreshing_ = false; // the controls are being filled: their changes are not commits
    bool timerBusy_ = false;
};
