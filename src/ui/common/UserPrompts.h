#pragma once

#include <QString>

class QDialog;
class QWidget;

// A file dialog as a screen asks for it; the filter is in the "Text (*.ext)|*.ext" form.
struct TFileDialogRequest {
    QString title;
    QString filter;
    QString defaultSuffix;
    QString directory;
};

// Every message box, file dialog and modal dialog goes through here, so that tests can answer them
// and read their texts without a window ever blocking.
class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;

    virtual void Error(QWidget* parent, const QString& text) = 0;
    virtual void Information(QWidget* parent, const QString& text) = 0;
    virtual void Warning(QWidget* parent, const QString& text) = 0;
    enum class TAnswer { Yes, No, Cancel };

    // Yes / No with a warning icon; true for Yes.
    virtual bool Question(QWidget* parent, const QString& text) = 0;
    // Yes / No / Cancel with a warning icon, where leaving unsaved work is asked about.
    virtual TAnswer QuestionWithCancel(QWidget* parent, const QString& text) = 0;
    // Empty when cancelled.
    virtual QString SaveFileName(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual QString OpenFileName(QWidget* parent, const TFileDialogRequest& request) = 0;
    // Shows a modal dialog and returns its result code.
    virtual int Exec(QDialog& dialog) = 0;
};
