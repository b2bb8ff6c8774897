#include "ui/common/CommitFilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

TCommitFilter::TCommitFilter(QWidget* background, std::function<void()> commit, QObject* parent)
    : QObject(parent), background_(background), commit_(std::move(commit)) {}

void TCommitFilter::Watch(QWidget* box) {
    box->installEventFilter(this);
}

bool TCommitFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            background_->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commit_();
    }
    return QObject::eventFilter(watched, event);
}
