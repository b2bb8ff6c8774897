#pragma once

#include "ui/common/ScreenContext.h"

#include <QPointer>
#include <QWidget>

#include <vector>

class QDialog;
class QTimer;
class TReadBatch;

// A screen shown in the main window: it reads its registers in one batch, fills its controls under
// a guard (filling never commits), commits what the user changed, polls without ever nesting a tick,
// and sets its texts in the chosen language.
class TScreen : public QWidget {
    Q_OBJECT
public:
    TScreen(const TScreenContext& context, QWidget* parent);

    // Applies the language, reads the screen's registers when connected and fills the controls.
    virtual void ShowScreen(int language);
    // The screen's registers could not be read when it was shown: its inputs are blank and off.
    bool Unread() const { return unread_; }
    void ApplyLanguage(int language);
    void FillControls();
    // Runs the screen's commit unless the controls are being filled or nothing is connected.
    void CommitControls();
    // The timer the main window runs while the screen is shown; none for a screen that does not poll.
    QTimer* Timer() const { return timer_; }
    int Language() const { return language_; }
    // One tick, unless one is still running.
    void RunTick();

protected:
    virtual void Retranslate() = 0;
    virtual void QueueReads(TReadBatch& /*batch*/) {}
    virtual void Fill() = 0;
    virtual void Commit() {}
    // A change made while nothing is connected: it is not sent.
    virtual void CommitWhileDisconnected() {}
    virtual void Tick() {}

    // Reads the screen's registers when connected (once more after `retryMs` when the device did
    // not answer) and fills the controls. A read that fails is said once, and the inputs stay blank
    // and disabled, never showing values the device did not send, until the screen is shown again.
    void ReadAndFill(int retryMs = 0);

    // A timer named "Timer1" that runs Tick every `ms`; a tick still running when the next is due
    // (a flush waits inside the event loop) is not entered again.
    void EnablePolling(int ms);
    bool Ticking() const { return ticking_; }
    bool Filling() const { return filling_; }
    // A point relative to the screen's top-left corner, in screen coordinates.
    QPoint Corner(int dx, int dy) const;
    // Shows a modal dialog at that offset through the prompts.
    int ExecAt(QDialog& dialog, int dx, int dy);

    TScreenContext& Context() { return context_; }
    TEquipComm& Session() { return context_.session; }
    const TEquipComm& Session() const { return context_.session; }
    TUserPrompts& Prompts() { return context_.prompts; }

private:
    TScreenContext context_;
    QTimer* timer_ = nullptr;
    int language_ = 0;
    void BlankInputs();
    void RestoreInputs();

    bool filling_ = false;
    bool ticking_ = false;
    bool unread_ = false;
    std::vector<QPointer<QWidget>> blanked_; // disabled by BlankInputs
};
