#pragma once

#include "model/TrendBuffer.h"
#include "model/TrendSeries.h"

#include <QDialog>

#include <vector>

class QChart;
class QDateTimeAxis;
class QLineSeries;
class QPushButton;
class QValueAxis;
class TEquipComm;
class TUserPrompts;

// The live trend of a general screen's main measurements over the last hour. It records every poll
// the screen makes, shown or not, and reads nothing of its own.
class TFormTendencia : public QDialog {
    Q_OBJECT
public:
    TFormTendencia(TEquipComm& session, TUserPrompts& prompts, QWidget* parent);

    // A new device: its series are taken from the image at the next sample.
    void Restart();
    // One sample of the values the screen has just polled, at `ms` since 1970.
    void Sample(std::int64_t ms);
    void ApplyLanguage(int language);
    void sbPausaClick(bool down);
    void bbExportarCsvClick();

    const TTrendBuffer& Buffer() const { return buffer_; }
    const std::vector<TrendSeries::TSeries>& Series() const { return series_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString SeriesName(const TrendSeries::TSeries& series) const;
    void BuildLines();
    // Every line drawn again from the buffer.
    void Reload();
    void AppendLast();
    void FitAxes();
    void ToggleLine(QLineSeries* line);

    TEquipComm& session_;
    TUserPrompts& prompts_;
    int language_ = 0;
    bool restart_ = true;
    bool paused_ = false;
    std::vector<TrendSeries::TSeries> series_;
    TTrendBuffer buffer_;
    QChart* chart_;
    QDateTimeAxis* axisX_ = nullptr; // made with the lines
    QValueAxis* axisY_ = nullptr;
    std::vector<QLineSeries*> lines_;
    QPushButton* sbPausa_;
    QPushButton* bbExportarCsv_;
};
