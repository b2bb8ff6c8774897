#include "ui/general/FormTendencia.h"

#include "link/EquipComm.h"
#include "persistence/Cp1252.h"
#include "persistence/DataFolder.h"
#include "persistence/SmallFile.h"
#include "ui/common/Language.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/general/FormTendenciaTexts.h"

#include <QAbstractAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

using namespace FormTendenciaTexts;
using TrendSeries::TKind;

} // namespace

TFormTendencia::TFormTendencia(TEquipComm& session, TUserPrompts& prompts, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(prompts), chart_(new QChart),
      sbPausa_(Widgets::Button("sbPausa", this)), bbExportarCsv_(Widgets::Button("bbExportarCsv", this)) {
    setObjectName("FormTendencia");
    auto* layout = new QVBoxLayout(this);
    auto* view = new QChartView(chart_, this);
    view->setObjectName("chTendencia");
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(720, 400);
    layout->addWidget(view, 1);
    auto* buttons = new QHBoxLayout;
    sbPausa_->setCheckable(true);
    buttons->addWidget(sbPausa_);
    buttons->addStretch();
    buttons->addWidget(bbExportarCsv_);
    layout->addLayout(buttons);
    connect(sbPausa_, &QPushButton::clicked, this, &TFormTendencia::sbPausaClick);
    connect(bbExportarCsv_, &QPushButton::clicked, this, &TFormTendencia::bbExportarCsvClick);

    chart_->legend()->setAlignment(Qt::AlignRight);
    ApplyLanguage(0);
}

void TFormTendencia::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Recorded while hidden: drawn now.
    if (!paused_)
        Reload();
}

void TFormTendencia::Restart() {
    restart_ = true;
}

void TFormTendencia::Sample(std::int64_t ms) {
    if (restart_) {
        restart_ = false;
        series_ = TrendSeries::ForDevice(session_.Family(), session_.Image());
        buffer_.Reset(series_.size());
        BuildLines();
    }
    std::vector<double> values;
    values.reserve(series_.size());
    for (const TrendSeries::TSeries& s : series_)
        values.push_back(TrendSeries::Value(s, session_.Image()));
    const std::size_t before = buffer_.Size();
    if (!buffer_.Add(ms, values) || paused_ || !isVisible())
        return;
    // What the buffer let go of leaves the lines too.
    const auto dropped = static_cast<int>(before + 1 - buffer_.Size());
    for (QLineSeries* line : lines_)
        line->removePoints(0, std::min(dropped, static_cast<int>(line->count())));
    AppendLast();
    FitAxes();
}

QString TFormTendencia::SeriesName(const TrendSeries::TSeries& series) const {
    auto t = [this](TId id) { return FormTendenciaTexts::Text(id, language_); };
    switch (series.kind) {
    case TKind::RtdTemperature:
        return t(Rtd).arg(series.number);
    case TKind::WindingTemperature:
        return t(WindingTemperature).arg(series.number);
    case TKind::WindingCurrent:
        return t(WindingCurrent).arg(series.number);
    case TKind::SecondaryVoltage:
        return t(SecondaryVoltage);
    case TKind::PrimaryVoltage:
        return t(PrimaryVoltage);
    case TKind::Current:
        return t(Current);
    case TKind::Position:
        return t(Position);
    case TKind::Pressure:
        return t(Pressure);
    case TKind::WaterMeter:
        return t(WaterMeter);
    }
    return {};
}

void TFormTendencia::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    setWindowTitle(Text(Caption, language_));
    sbPausa_->setText(Text(Pause, language_));
    bbExportarCsv_->setText(Text(ExportCsv, language_));
    if (axisX_)
        axisX_->setTitleText(Text(AxisTime, language_));
    for (std::size_t i = 0; i < lines_.size() && i < series_.size(); ++i)
        lines_[i]->setName(SeriesName(series_[i]));
}

void TFormTendencia::BuildLines() {
    chart_->removeAllSeries();
    lines_.clear();
    // Axes made before their series are not drawn once the chart is on show: they come new, after.
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    for (const TrendSeries::TSeries& s : series_) {
        auto* line = new QLineSeries(chart_);
        line->setName(SeriesName(s));
        chart_->addSeries(line);
        lines_.push_back(line);
    }
    axisX_ = new QDateTimeAxis(chart_);
    axisX_->setFormat("HH:mm:ss");
    axisX_->setTitleText(Text(AxisTime, language_));
    axisY_ = new QValueAxis(chart_);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    for (QLineSeries* line : lines_) {
        line->attachAxis(axisX_);
        line->attachAxis(axisY_);
    }
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        QLineSeries* line = lines_[i];
        for (QLegendMarker* marker : chart_->legend()->markers(line))
            connect(marker, &QLegendMarker::clicked, this, [this, line] { ToggleLine(line); });
    }
}

void TFormTendencia::Reload() {
    for (std::size_t s = 0; s < lines_.size(); ++s) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(buffer_.Size()));
        for (std::size_t i = 0; i < buffer_.Size(); ++i)
            points.append({static_cast<double>(buffer_.Time(i)), buffer_.Value(i, s)});
        lines_[s]->replace(points);
    }
    FitAxes();
}

void TFormTendencia::AppendLast() {
    if (buffer_.Size() == 0)
        return;
    const std::size_t last = buffer_.Size() - 1;
    for (std::size_t s = 0; s < lines_.size(); ++s)
        lines_[s]->append(static_cast<double>(buffer_.Time(last)), buffer_.Value(last, s));
}

void TFormTendencia::FitAxes() {
    if (buffer_.Size() == 0 || !axisX_)
        return;
    axisX_->setRange(
        QDateTime::fromMSecsSinceEpoch(buffer_.Time(0)),
        QDateTime::fromMSecsSinceEpoch(std::max(buffer_.Time(buffer_.Size() - 1), buffer_.Time(0) + 1000)));
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (std::size_t s = 0; s < lines_.size(); ++s) {
        if (!lines_[s]->isVisible())
            continue;
        for (std::size_t i = 0; i < buffer_.Size(); ++i) {
            const double v = buffer_.Value(i, s);
            if (!std::isnan(v)) {
                low = std::min(low, v);
                high = std::max(high, v);
            }
        }
    }
    if (low > high)
        return;
    const double margin = std::max((high - low) * 0.05, 0.5);
    axisY_->setRange(low - margin, high + margin);
}

void TFormTendencia::ToggleLine(QLineSeries* line) {
    line->setVisible(!line->isVisible());
    // The legend keeps the entry, dimmed, so that a second click brings the line back.
    for (QLegendMarker* marker : chart_->legend()->markers(line)) {
        marker->setVisible(true);
        QBrush brush = marker->labelBrush();
        QColor color = brush.color();
        color.setAlphaF(line->isVisible() ? 1.0F : 0.4F);
        brush.setColor(color);
        marker->setLabelBrush(brush);
    }
    FitAxes();
}

void TFormTendencia::sbPausaClick(bool down) {
    paused_ = down;
    if (!paused_)
        Reload();
}

void TFormTendencia::bbExportarCsvClick() {
    const QString file = prompts_.SaveFileName(this, {Text(SaveTitle, language_), Text(Filter, language_),
                                                      "csv", QString::fromStdString(DataFolder())});
    if (file.isEmpty())
        return;
    std::vector<std::string> names;
    std::vector<int> decimals;
    for (const TrendSeries::TSeries& s : series_) {
        names.push_back(Cp1252::FromUnicode(SeriesName(s)));
        decimals.push_back(s.decimals);
    }
    const std::string csv = buffer_.Csv(names, decimals);
    if (!SmallFile::Write(file.toLocal8Bit().toStdString(), csv)) {
        prompts_.Error(this, Text(ErrorSaving, language_));
        return;
    }
    prompts_.Information(this, Text(Exported, language_));
}
