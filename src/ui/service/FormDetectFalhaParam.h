#pragma once

#include "ui/common/ScreenContext.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;
class QTimer;
class TGridCellEditor;

// The membrane-failure routine of a thermal monitor variant: its parameters, and once a second its
// state, result and the present measurement, optionally logged to a text file.
class TFormDetectFalhaParam : public QDialog {
    Q_OBJECT
public:
    TFormDetectFalhaParam(const TScreenContext& context, int language, QWidget* parent = nullptr);
    ~TFormDetectFalhaParam() override;
    TFormDetectFalhaParam(const TFormDetectFalhaParam&) = delete;
    TFormDetectFalhaParam& operator=(const TFormDetectFalhaParam&) = delete;

    void ApplyLanguage(int language);
    void bbEnviaClick();
    // A click on a value cell opens its editor.
    void sgValoresMouseDown(int row, int column);
    // Down: asks for the log file and starts logging; up: stops it.
    void sbSalvarClick(bool down);
    // One refresh of state, result and measurement, logged while logging; none while one runs.
    void timerUpdateTimer();

private:
    QString Text(int id) const;
    TEquipComm& Session() const { return context_.session; }
    void FillGrid();
    QString StateText(int state) const;
    QString ResultText() const;
    QString MeasureText() const;
    void ShowPanels();
    void Log(int state);
    void StopLogging();

    TScreenContext context_;
    int language_ = 0;
    QWidget* pnBack_;
    QTableWidget* sgValores_ = nullptr;
    std::unique_ptr<TGridCellEditor> editor_;
    QLabel* lblInfo_ = nullptr;
    QPushButton* bbEnvia_ = nullptr;
    QLabel* pnEstado_ = nullptr;
    QLabel* pnResult_ = nullptr;
    QLabel* pnMedida_ = nullptr;
    QPushButton* sbSalvar_ = nullptr;
    QTimer* timerUpdate_;
    QStringList lines_;
    bool logging_ = false;
    QString logPath_;
    int previousState_ = 0;
    bool ticking_ = false;
};
