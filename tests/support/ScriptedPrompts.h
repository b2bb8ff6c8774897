#pragma once

#include "ui/common/UserPrompts.h"

#include <QStringList>

#include <deque>
#include <functional>

// Answers every box and dialog from a script and records what was shown, so no test blocks.
class TScriptedPrompts : public TUserPrompts {
public:
    using TDialogScript = std::function<int(QDialog&)>;

    void Error(QWidget*, const QString& text) override { shown << "error: " + text; }
    void Information(QWidget*, const QString& text) override { shown << "information: " + text; }
    void Warning(QWidget*, const QString& text) override { shown << "warning: " + text; }
    bool Question(QWidget*, const QString& text) override;
    QString SaveFileName(QWidget*, const TFileDialogRequest& request) override;
    QString OpenFileName(QWidget*, const TFileDialogRequest& request) override;
    // Runs the next dialog script; a dialog nobody scripted is cancelled.
    int Exec(QDialog& dialog) override;

    QStringList shown;
    std::deque<bool> answers; // for questions; Yes when empty
    std::deque<QString> files;
    std::deque<TDialogScript> dialogs;
    QStringList dialogNames; // object names of the dialogs shown
};
