#include "ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <QDialog>

TScriptedPrompts::~TScriptedPrompts() {
    EXPECT_TRUE(answers.empty()) << answers.size() << " scripted answers were not asked for";
    EXPECT_TRUE(files.empty()) << files.size() << " scripted files were not asked for";
    EXPECT_TRUE(dialogs.empty()) << dialogs.size() << " scripted dialogs were not shown";
}

bool TScriptedPrompts::Question(QWidget* parent, const QString& text) {
    const TAnswer answer = QuestionWithCancel(parent, text);
    EXPECT_NE(answer, TAnswer::Cancel) << "a Yes/No question has no Cancel";
    return answer == TAnswer::Yes;
}

TUserPrompts::TAnswer TScriptedPrompts::QuestionWithCancel(QWidget*, const QString& text) {
    shown << "question: " + text;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return TAnswer::Cancel;
    }
    const TAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

QString TScriptedPrompts::SaveFileName(QWidget*, const TFileDialogRequest& request) {
    shown << "save: " + request.title;
    return NextFile(request);
}

QString TScriptedPrompts::OpenFileName(QWidget*, const TFileDialogRequest& request) {
    shown << "open: " + request.title;
    return NextFile(request);
}

QString TScriptedPrompts::NextFile(const TFileDialogRequest& request) {
    fileFolders << request.directory;
    if (files.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << request.title.toStdString();
        return {};
    }
    const QString file = files.front();
    files.pop_front();
    return file;
}

int TScriptedPrompts::Exec(QDialog& dialog) {
    dialogNames << dialog.objectName();
    if (dialogs.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    const TDialogScript script = dialogs.front();
    dialogs.pop_front();
    return script(dialog);
}
