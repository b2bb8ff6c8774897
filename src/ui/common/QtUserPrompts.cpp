#include "ui/common/QtUserPrompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// "Config File (*.conf)|*.conf" -> "Config File (*.conf)"
QString QtFilter(const QString& filter) {
    return filter.section('|', 0, 0);
}

QFileDialog* MakeFileDialog(QWidget* parent, const TFileDialogRequest& request) {
    auto* dialog = new QFileDialog(parent, request.title, request.directory, QtFilter(request.filter));
    dialog->setDefaultSuffix(request.defaultSuffix);
    // With several kinds in the filter, a name typed without a suffix takes the chosen kind's.
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& chosen) {
        const QString suffix = chosen.section("(*.", 1, 1).section(')', 0, 0).section(' ', 0, 0);
        if (!suffix.isEmpty())
            dialog->setDefaultSuffix(suffix);
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    return dialog;
}

QString Run(QFileDialog* dialog) {
    QString file = dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()
                       ? dialog->selectedFiles().front()
                       : QString();
    delete dialog;
    return file;
}

QString Caption() {
    return QStringLiteral("QEL880");
}

} // namespace

void TQtUserPrompts::Error(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, Caption(), text);
}

void TQtUserPrompts::Information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, Caption(), text);
}

void TQtUserPrompts::Warning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, Caption(), text);
}

bool TQtUserPrompts::Question(QWidget* parent, const QString& text) {
    return QMessageBox::warning(parent, Caption(), text, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

TUserPrompts::TAnswer TQtUserPrompts::QuestionWithCancel(QWidget* parent, const QString& text) {
    switch (QMessageBox::warning(parent, Caption(), text,
                                 QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                 QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return TAnswer::Yes;
    case QMessageBox::No:
        return TAnswer::No;
    default:
        return TAnswer::Cancel;
    }
}

QString TQtUserPrompts::SaveFileName(QWidget* parent, const TFileDialogRequest& request) {
    QFileDialog* dialog = MakeFileDialog(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    return Run(dialog);
}

QString TQtUserPrompts::OpenFileName(QWidget* parent, const TFileDialogRequest& request) {
    QFileDialog* dialog = MakeFileDialog(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

int TQtUserPrompts::Exec(QDialog& dialog) {
    return dialog.exec();
}
