#include "ui/thermal/FrameDownload.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "model/DeviceTimestamp.h"
#include "model/NumberRules.h"
#include "persistence/EventLog.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/CommitBatch.h"
#include "ui/common/CommitFilter.h"
#include "ui/common/RememberedFile.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/shell/FormNotificacao.h"
#include "ui/thermal/FrameDownloadTexts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

using namespace FrameDownloadTexts;
using Widgets::SetCell;

constexpr int kEventTimer = 214;
constexpr int kMaxWindings = 701;
constexpr int kMaxRtds = 704;
constexpr int kMaxTimestamps = 1710;
constexpr int kEventCount = 1800;
constexpr int kEraseEvents = 100;

} // namespace

TFrameDownload::TFrameDownload(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)),
      commitFilter_(new TCommitFilter(
          background_, [this] { CommitControls(); }, this)),
      notification_(new TFormNotificacao(this)) {
    setObjectName("FrameDownload");
    auto* layout = new QHBoxLayout(background_);
    sgMaximos_ = Widgets::Grid("sgMaximos", 10, 4, {60, 80, 100, 120}, background_);
    layout->addWidget(sgMaximos_, 0, Qt::AlignTop);

    auto* column = new QVBoxLayout;
    bbZerarMaximos_ = Widgets::Button("bbZerarMaximos", background_);
    pnNumEventos_ = Widgets::Panel("pnNumEventos", background_);
    bbBaixarEventos_ = Widgets::Button("bbBaixarEventos", background_);
    bbApagarEventos_ = Widgets::Button("bbApagarEventos", background_);
    lblTimerEventos_ = new QLabel(background_);
    lblTimerEventos_->setObjectName("lblTimerEventos");
    edTimerEventos_ = new QLineEdit(background_);
    edTimerEventos_->setObjectName("edTimerEventos");
    edTimerEventos_->setMaximumWidth(80);
    commitFilter_->Watch(edTimerEventos_);
    for (QWidget* w : std::initializer_list<QWidget*>{bbZerarMaximos_, pnNumEventos_, bbBaixarEventos_,
                                                      bbApagarEventos_, lblTimerEventos_, edTimerEventos_})
        column->addWidget(w);
    column->addStretch();
    layout->addLayout(column);
    layout->addStretch();

    connect(bbZerarMaximos_, &QPushButton::clicked, this, &TFrameDownload::bbZerarMaximosClick);
    connect(bbBaixarEventos_, &QPushButton::clicked, this, &TFrameDownload::bbBaixarEventosClick);
    connect(bbApagarEventos_, &QPushButton::clicked, this, &TFrameDownload::bbApagarEventosClick);
    EnablePolling(1000);
    Timer()->setObjectName("timerUpdate");
    ApplyLanguage(0);
}

QString TFrameDownload::Text(int id) const {
    return FrameDownloadTexts::Text(static_cast<TId>(id), Language());
}

void TFrameDownload::Retranslate() {
    SetCell(sgMaximos_, 0, 1, Text(MaxTemperature));
    SetCell(sgMaximos_, 0, 2, Text(Timestamp));
    SetCell(sgMaximos_, 0, 3, Text(Time));
    for (int k = 1; k <= 3; ++k)
        SetCell(sgMaximos_, k, 0, Text(WindingRow).arg(k));
    for (int n = 1; n <= 6; ++n)
        SetCell(sgMaximos_, 3 + n, 0, QStringLiteral("RTD %1").arg(n));
    bbZerarMaximos_->setText(Text(ResetMax));
    bbBaixarEventos_->setText(Text(DownloadEvents));
    bbApagarEventos_->setText(Text(EraseEvents));
    lblTimerEventos_->setText(Text(EventTimer));
    FillControls();
}

void TFrameDownload::QueueReads(TReadBatch& batch) {
    batch.Add(kMaxWindings, 3).Add(kMaxRtds, 6).Add(kMaxTimestamps, 27).Add(kEventCount).Add(kEventTimer);
}

void TFrameDownload::Fill() {
    auto v = [this](int reg) { return Session().FetchRegister(reg); };
    // All nine rows, whatever the device has fitted: windings 1..3, then RTDs 1..6.
    for (int row = 1; row <= 9; ++row) {
        const int stamp = kMaxTimestamps + 3 * (row - 1);
        const std::int64_t ms = DeviceTimestamp::FromWords(v(stamp), v(stamp + 1), v(stamp + 2));
        SetCell(sgMaximos_, row, 1,
                QString::asprintf("%.0f ºC", static_cast<double>(v(kMaxWindings + row - 1))));
        SetCell(sgMaximos_, row, 2, QString::number(ms));
        SetCell(sgMaximos_, row, 3, QString::fromStdString(DeviceTimestamp::Format(ms)));
    }
    Widgets::FitColumns(sgMaximos_);
    pnNumEventos_->setText(Text(RecordedEvents) + QString::number(v(kEventCount)));
    if (!edTimerEventos_->hasFocus())
        edTimerEventos_->setText(QString::number(v(kEventTimer)));
}

void TFrameDownload::Commit() {
    TCommitBatch batch(Session(), Prompts(), this, Text(ErrorSending));
    const auto minutes = NumberRules::ParseInteger(edTimerEventos_->text().toStdString());
    if (minutes && NumberRules::InRange(*minutes, 0, 60))
        batch.Write(kEventTimer, *minutes);
    else
        batch.Invalid(Text(ErrorTimer));
    batch.Finish();
    FillControls();
}

void TFrameDownload::bbZerarMaximosClick() {
    if (!Session().IsConnected() || busy_ || !Prompts().Question(this, Text(AskReset)))
        return;
    const std::vector<int> zeros(27, 0);
    Session().WriteRegisters(kMaxWindings, std::span(zeros).first(3), true, true);
    Session().WriteRegisters(kMaxRtds, std::span(zeros).first(6), true, true);
    Session().WriteRegisters(kMaxTimestamps, zeros, true, true);
    Session().FlushWrites(); // not reported: the refresh shows what the device holds
    FillControls();
}

void TFrameDownload::bbApagarEventosClick() {
    if (!Session().IsConnected() || busy_ || !Prompts().Question(this, Text(AskErase)))
        return;
    const QScopedValueRollback busy(busy_, true);
    if (!Session().SendCommand(kEraseEvents)) {
        Prompts().Error(this, Text(ErrorErasing));
        return;
    }
    Prompts().Information(this, Text(Erased));
    EventLog::PauseHandlingEvents(1000);
    // Read at once on every link, so that the count shown is the device's.
    Session().ReadRegisters(kEventCount, 1);
    FillControls();
}

QString TFrameDownload::ChooseFile() {
    return ChooseRememberedFile(Context(), this, Context().settings.lastEventLogPath,
                                {Text(SaveTitle), Text(Filter), "txt", {}});
}

void TFrameDownload::bbBaixarEventosClick() {
    if (!Session().IsConnected() || busy_)
        return;
    const QScopedValueRollback busy(busy_, true);
    const QString file = ChooseFile();
    if (file.isEmpty())
        return;
    const QString prefix = Text(Downloading);
    auto progress = [&](int done, int total) {
        const QString text = prefix + QStringLiteral("(%1 / %2)").arg(done).arg(total);
        if (notification_->isVisible())
            notification_->SetText(text);
        else
            notification_->ShowAt(Corner(70, 120), 600, text);
    };
    const EventLog::TDownload download =
        EventLog::Download(Session(), progress, EventLog::PauseHandlingEvents);
    if (!download.ok)
        Prompts().Error(this, Text(ErrorDownloading));
    // What was gathered is kept, also after a failure.
    const bool saved = EventLog::Save(file.toStdString(), download.lines);
    notification_->hide();
    if (!saved)
        Prompts().Error(this, Text(ErrorSaving));
    else if (download.ok)
        Prompts().Information(this, Text(Downloaded));
    FillControls();
}
