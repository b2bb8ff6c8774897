#include "ui/families/Frame_QEL880IRR_Registros.h"

#include "link/EquipComm.h"
#include "persistence/Cp1252.h"
#include "persistence/EventLog.h"
#include "persistence/ProgramMainConf.h"
#include "ui/common/RememberedFile.h"
#include "ui/common/UserPrompts.h"
#include "ui/common/Widgets.h"
#include "ui/families/Frame_QEL880IRR_RegistrosTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using namespace Frame_QEL880IRR_RegistrosTexts;
using IrrigationRecords::kFields;
using IrrigationRecords::kRecords;

constexpr int kEraseRecords = 1130;
constexpr int kWidths[kFields] = {150, 70, 70, 70, 70};

// The heading row stays in view while the records scroll under it.
QTableWidget* RecordGrid(QWidget* parent) {
    auto* grid = new QTableWidget(kRecords, kFields, parent);
    grid->setObjectName("sgRegistros");
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < kFields; ++c) {
        grid->setColumnWidth(c, kWidths[c]);
        grid->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    for (int r = 0; r < kRecords; ++r) {
        grid->setRowHeight(r, 24);
        for (int c = 0; c < kFields; ++c) {
            auto* item = new QTableWidgetItem;
            if (c == 0)
                item->setBackground(grid->palette().button());
            grid->setItem(r, c, item);
        }
    }
    grid->setMinimumHeight(240);
    return grid;
}

} // namespace

// Marks the screen busy and its buttons disabled for as long as it lives.
class TFrame_QEL880IRR_Registros::TBusy {
public:
    explicit TBusy(TFrame_QEL880IRR_Registros& screen) : screen_(screen), was_(screen.busy_) { Set(true); }
    ~TBusy() { Set(was_); }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    void Set(bool busy) {
        screen_.busy_ = busy;
        screen_.bbArquivo_->setEnabled(!busy);
        screen_.bbApagarEventos_->setEnabled(!busy);
    }

    TFrame_QEL880IRR_Registros& screen_;
    bool was_;
};

TFrame_QEL880IRR_Registros::TFrame_QEL880IRR_Registros(const TScreenContext& context, QWidget* parent)
    : TScreen(context, parent), background_(Widgets::Background(this)) {
    setObjectName("Frame_QEL880IRR_Registros");
    auto* layout = new QHBoxLayout(background_);
    sgRegistros_ = RecordGrid(background_);
    layout->addWidget(sgRegistros_);

    auto* column = new QVBoxLayout;
    lblNumRegistrosCartao_ = new QLabel(background_);
    lblNumRegistrosCartao_->setObjectName("lblNumRegistrosCartao");
    // The window does not widen for this screen: a longer caption takes a second line.
    lblNumRegistrosCartao_->setWordWrap(true);
    pnNumRegistrosCartao_ = Widgets::Panel("pnNumRegistrosCartao", background_);
    bbArquivo_ = Widgets::Button("bbArquivo", background_);
    bbApagarEventos_ = Widgets::Button("bbApagarEventos", background_);
    pnReading_ = Widgets::Panel("pnReading", background_);
    pnReading_->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{lblNumRegistrosCartao_, pnNumRegistrosCartao_,
                                                      bbArquivo_, bbApagarEventos_, pnReading_})
        column->addWidget(w);
    column->addStretch();
    layout->addLayout(column);
    layout->addStretch();

    connect(bbArquivo_, &QPushButton::clicked, this, &TFrame_QEL880IRR_Registros::bbArquivoClick);
    connect(bbApagarEventos_, &QPushButton::clicked, this, &TFrame_QEL880IRR_Registros::bbApagarEventosClick);
    ApplyLanguage(0);
}

QString TFrame_QEL880IRR_Registros::Text(int id) const {
    return Frame_QEL880IRR_RegistrosTexts::Text(static_cast<TId>(id), Language());
}

void TFrame_QEL880IRR_Registros::ShowScreen(int language) {
    ApplyLanguage(language);
    // The waits of a running download let the main window show the screen again: that one goes on.
    if (!busy_ && Session().IsConnected())
        Download();
}

void TFrame_QEL880IRR_Registros::Retranslate() {
    const IrrigationRecords::TFields header = IrrigationRecords::Header(Language());
    for (int c = 0; c < kFields; ++c)
        sgRegistros_->horizontalHeaderItem(c)->setText(
            Cp1252::ToUnicode(header[static_cast<std::size_t>(c)]));
    lblNumRegistrosCartao_->setText(Text(RecordCount));
    bbArquivo_->setText(Text(SaveInFile));
    bbApagarEventos_->setText(Text(EraseRecords));
    FitColumns();
}

void TFrame_QEL880IRR_Registros::Download() {
    const TBusy busy(*this);
    pnReading_->setText(Text(Reading) + " 0%");
    pnReading_->show();
    pnReading_->repaint();
    const IrrigationRecords::TDownload download = IrrigationRecords::Download(
        Session(), [this](const IrrigationRecords::TDownload& sofar) { ShowProgress(sofar); });
    records_ = download.records;
    // Rows a shorter download (or another device) did not read show nothing of before.
    ClearRowsFrom(static_cast<int>(records_.size()));
    pnReading_->hide();
    FitColumns();
}

void TFrame_QEL880IRR_Registros::ShowProgress(const IrrigationRecords::TDownload& sofar) {
    if (sofar.records.empty()) {
        pnNumRegistrosCartao_->setText(sofar.countRead ? QString::number(sofar.count) : QString());
        return;
    }
    const int row = static_cast<int>(sofar.records.size()) - 1;
    for (int c = 0; c < kFields; ++c)
        Widgets::SetCell(sgRegistros_, row, c,
                         Cp1252::ToUnicode(sofar.records.back()[static_cast<std::size_t>(c)]));
    pnReading_->setText(Text(Reading) + QString::asprintf(" %.1f %%", (row + 1) * 100.0 / kRecords));
    pnReading_->repaint();
}

void TFrame_QEL880IRR_Registros::ClearRowsFrom(int row) {
    for (int r = row; r < kRecords; ++r)
        for (int c = 0; c < kFields; ++c)
            Widgets::SetCell(sgRegistros_, r, c, QString());
}

void TFrame_QEL880IRR_Registros::FitColumns() {
    // Never narrower than the starting widths; wider where a heading or a record needs it.
    int width = 2 * sgRegistros_->frameWidth() + sgRegistros_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kFields; ++c) {
        const QTableWidgetItem* header = sgRegistros_->horizontalHeaderItem(c);
        int wanted =
            std::max(kWidths[c],
                     sgRegistros_->horizontalHeader()->fontMetrics().horizontalAdvance(header->text()) + 16);
        for (int r = 0; r < kRecords; ++r) {
            const QTableWidgetItem* item = sgRegistros_->item(r, c);
            wanted = std::max(wanted, QFontMetrics(item->font()).horizontalAdvance(item->text()) + 12);
        }
        sgRegistros_->setColumnWidth(c, std::max(wanted, sgRegistros_->columnWidth(c)));
        width += sgRegistros_->columnWidth(c);
    }
    sgRegistros_->setFixedWidth(width);
}

QString TFrame_QEL880IRR_Registros::ChooseFile() {
    return ChooseRememberedFile(Context(), this, Context().settings.recFilePath,
                                {Text(SaveTitle), Text(Filter), "txt", {}});
}

void TFrame_QEL880IRR_Registros::bbArquivoClick() {
    if (busy_)
        return;
    const QString file = ChooseFile();
    if (file.isEmpty())
        return;
    const IrrigationRecords::TFields header = IrrigationRecords::Header(Language());
    if (IrrigationRecords::Save(file.toStdString(), IrrigationRecords::FileLines(header, records_)))
        Prompts().Information(this, Text(FileSaved));
    else
        Prompts().Error(this, Text(ErrorSaving));
}

void TFrame_QEL880IRR_Registros::bbApagarEventosClick() {
    if (busy_ || !Prompts().Question(this, Text(AskErase)))
        return;
    const TBusy busy(*this);
    if (!Session().SendCommand(kEraseRecords)) {
        Prompts().Error(this, Text(ErrorSending));
        return;
    }
    // The device needs a moment before its card reads empty.
    EventLog::PauseHandlingEvents(1500);
    Prompts().Information(this, Text(CommandSent));
    EventLog::PauseHandlingEvents(2000);
    Download();
}
