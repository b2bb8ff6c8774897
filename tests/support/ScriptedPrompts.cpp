#include "ScriptedPrompts.h"

#include <QDialog>

bool TScriptedPrompts::Question(QWidget*, const QString& text) {
    shown << "question: " + text;
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString TScriptedPrompts::SaveFileName(QWidget*, const TFileDialogRequest& request) {
    shown << "save: " + request.title;
    if (files.empty())
        return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

QString TScriptedPrompts::OpenFileName(QWidget*, const TFileDialogRequest& request) {
    shown << "open: " + request.title;
    if (files.empty())
        return {};
    const QString file = files.front();
    files.pop_front();
    return file;
}

int TScriptedPrompts::Exec(QDialog& dialog) {
    dialogNames << dialog.objectName();
    if (dialogs.empty())
        return QDialog::Rejected;
    const TDialogScript script = dialogs.front();
    dialogs.pop_front();
    return script(dialog);
}
