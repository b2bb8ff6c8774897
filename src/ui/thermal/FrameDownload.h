#pragma once

#include "ui/common/Screen.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TCommitFilter;
class TFormNotificacao;

// The thermal monitor's history: maxima with their moments, their reset, the event count and timer,
// the event log into a text file and its erasure.
class TFrameDownload : public TScreen {
    Q_OBJECT
public:
    explicit TFrameDownload(const TScreenContext& context, QWidget* parent = nullptr);

protected:
    void Retranslate() override;
    void QueueReads(TReadBatch& batch) override;
    // Refreshes from the image only; the timer does the same every second.
    void Fill() override;
    void Commit() override;
    void Tick() override { FillControls(); }

private:
    QString Text(int id) const;
    void bbZerarMaximosClick();
    void bbBaixarEventosClick();
    void bbApagarEventosClick();
    // The chosen file, remembered in the settings; empty when cancelled.
    QString ChooseFile();

    QWidget* background_;
    TCommitFilter* commitFilter_;
    TFormNotificacao* notification_;
    QTableWidget* sgMaximos_ = nullptr;
    QPushButton* bbZerarMaximos_ = nullptr;
    QLabel* pnNumEventos_ = nullptr;
    QPushButton* bbBaixarEventos_ = nullptr;
    QPushButton* bbApagarEventos_ = nullptr;
    QLabel* lblTimerEventos_ = nullptr;
    QLineEdit* edTimerEventos_ = nullptr;
    // A download or an erasure waits inside the event loop: no second one meanwhile.
    bool busy_ = false;
};
