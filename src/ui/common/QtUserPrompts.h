#pragma once

#include "ui/common/UserPrompts.h"

// The real boxes and dialogs.
class TQtUserPrompts : public TUserPrompts {
public:
    void Error(QWidget* parent, const QString& text) override;
    void Information(QWidget* parent, const QString& text) override;
    void Warning(QWidget* parent, const QString& text) override;
    bool Question(QWidget* parent, const QString& text) override;
    TAnswer QuestionWithCancel(QWidget* parent, const QString& text) override;
    QString SaveFileName(QWidget* parent, const TFileDialogRequest& request) override;
    QString OpenFileName(QWidget* parent, const TFileDialogRequest& request) override;
    int Exec(QDialog& dialog) override;
};
