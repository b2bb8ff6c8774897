#pragma once

#include <QWidget>

class QTimer;
class TEquipComm;

// What every screen shown in the main window offers it.
class TScreen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Keeps the session, applies the language, reads what it needs and fills its controls.
    virtual void ShowScreen(TEquipComm& session, int language) = 0;
    virtual void ApplyLanguage(int language) = 0;
    // The timer the main window starts after showing the screen and stops when hiding it.
    virtual QTimer* Timer() { return nullptr; }
};
