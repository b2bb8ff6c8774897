#include "ui/common/Screen.h"

#include "link/EquipComm.h"
#include "link/ReadBatch.h"
#include "ui/common/InputNames.h"
#include "ui/common/Language.h"
#include "ui/common/UserPrompts.h"

#include <QDialog>
#include <QTimer>

TScreen::TScreen(const TScreenContext& context, QWidget* parent) : QWidget(parent), context_(context) {}

void TScreen::ShowScreen(int language) {
    ApplyLanguage(language);
    if (Session().IsConnected()) {
        TReadBatch batch(Session());
        QueueReads(batch);
        batch.Flush();
    }
    FillControls();
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
    filling_ = was;
}

void TScreen::CommitControls() {
    if (filling_)
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
