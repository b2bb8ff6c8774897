#include "ui/common/Screen.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "ui/common/InputNames.h"
#include "ui/common/Language.h"
#include "ui/common/RadioGroup.h"
#include "ui/common/UserPrompts.h"

#include "persistence/EventLog.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>

namespace {

// Said when a screen's registers could not be read: the link busy with another operation, or no reply.
constexpr const char* kBusyText[] = {
    "A conexão está ocupada com outra operação; as configurações desta tela não foram lidas e ficam em "
    "branco. Abra a tela novamente quando a operação terminar.",
    "The link is busy with another operation; this screen's settings were not read and are left blank. "
    "Open the screen again when the operation has ended.",
    "La conexión está ocupada con otra operación; la configuración de esta pantalla no se leyó y queda en "
    "blanco. Abra la pantalla de nuevo cuando la operación termine."};
constexpr const char* kUnreadText[] = {
    "O equipamento não respondeu à leitura das configurações desta tela; elas ficam em branco. Abra a "
    "tela novamente para tentar outra vez.",
    "The device did not answer the reading of this screen's settings; they are left blank. Open the "
    "screen again to try once more.",
    "El equipo no respondió a la lectura de la configuración de esta pantalla; queda en blanco. Abra la "
    "pantalla de nuevo para intentarlo otra vez."};

} // namespace

TScreen::TScreen(const TScreenContext& context, QWidget* parent) : QWidget(parent), context_(context) {}

void TScreen::ShowScreen(int language) {
    ApplyLanguage(language);
    ReadAndFill();
}

void TScreen::ReadAndFill(int retryMs) {
    RestoreInputs();
    unread_ = false;
    TLinkFailure failure = TLinkFailure::None;
    if (Session().IsConnected()) {
        TReadBatch batch(Session());
        QueueReads(batch);
        bool read = batch.Flush();
        if (!read && retryMs > 0 && batch.Failure() != TLinkFailure::Busy) {
            EventLog::PauseHandlingEvents(retryMs);
            QueueReads(batch);
            read = batch.Flush();
        }
        unread_ = !read;
        failure = batch.Failure();
    }
    FillControls();
    if (unread_) {
        const auto l = static_cast<std::size_t>(Language());
        Prompts().Error(this, QString::fromUtf8(failure == TLinkFailure::Busy ? kBusyText[l] : kUnreadText[l]));
    }
}

void TScreen::BlankInputs() {
    // Values of the image that the device did not just send are shown as nothing at all.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(-1);
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            spin->clear();
        else if (auto* group = qobject_cast<TRadioGroup*>(w))
            group->SetItemIndex(-1);
        else if (auto* grid = qobject_cast<QTableWidget*>(w)) {
            // Row 0 and column 0 hold the headings.
            for (int r = 1; r < grid->rowCount(); ++r)
                for (int c = 1; c < grid->columnCount(); ++c)
                    if (QTableWidgetItem* item = grid->item(r, c))
                        item->setText(QString());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); !button || !button->isCheckable())
            continue;
        if (w->isEnabled()) {
            w->setEnabled(false);
            blanked_.emplace_back(w);
        }
    }
}

void TScreen::RestoreInputs() {
    for (const QPointer<QWidget>& w : blanked_)
        if (w)
            w->setEnabled(true);
    blanked_.clear();
}

void TScreen::ApplyLanguage(int language) {
    language_ = Language::Index(language);
    Retranslate();
    InputNames::Apply(this);
}

void TScreen::FillControls() {
    const bool was = filling_;
    filling_ = true;
    Fill();
    if (unread_)
        BlankInputs();
    filling_ = was;
}

void TScreen::CommitControls() {
    if (filling_ || unread_)
        return;
    if (!Session().IsConnected()) {
        CommitWhileDisconnected();
        return;
    }
    Commit();
}

void TScreen::EnablePolling(int ms) {
    if (!timer_) {
        timer_ = new QTimer(this);
        timer_->setObjectName("Timer1");
        connect(timer_, &QTimer::timeout, this, &TScreen::RunTick);
    }
    timer_->setInterval(ms);
}

void TScreen::RunTick() {
    if (ticking_)
        return;
    ticking_ = true;
    Tick();
    ticking_ = false;
}

QPoint TScreen::Corner(int dx, int dy) const {
    return mapToGlobal(QPoint(dx, dy));
}

int TScreen::ExecAt(QDialog& dialog, int dx, int dy) {
    dialog.move(Corner(dx, dy));
    InputNames::Apply(&dialog);
    return Prompts().Exec(dialog);
}
