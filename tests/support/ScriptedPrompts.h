#pragma once

#include "ui/common/UserPrompts.h"

#include <QStringList>

#include <deque>
#include <functional>

// Answers every box and dialog from a script and records what was shown, so no test blocks. It is
// strict: a question, file dialog or modal dialog that nobody scripted fails the test, and so does
// a script left unused when the prompts go away.
class TScriptedPrompts : public TUserPrompts {
public:
    using TDialogScript = std::function<int(QDialog&)>;

    ~TScriptedPrompts() override;

    void Error(QWidget*, const QString& text) override { shown << "error: " + text; }
    void Information(QWidget*, const QString& text) override { shown << "information: " + text; }
    void Warning(QWidget*, const QString& text) override { shown << "warning: " + text; }
    bool Question(QWidget*, const QString& text) override;
    TAnswer QuestionWithCancel(QWidget*, const QString& text) override;
    QString SaveFileName(QWidget*, const TFileDialogRequest& request) override;
    QString OpenFileName(QWidget*, const TFileDialogRequest& request) override;
    int Exec(QDialog& dialog) override;

    QStringList shown;
    std::deque<TAnswer> answers; // for questions
    std::deque<QString> files;   // an empty text cancels the dialog
    std::deque<TDialogScript> dialogs;
    QStringList dialogNames; // object names of the dialogs shown
    QStringList fileFolders; // the folder each file dialog started in

private:
    QString NextFile(const TFileDialogRequest& request);
};
