#include "ui/service/GridCellEditor.h"

#include "ui/common/Widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

TGridCellEditor::TGridCellEditor(QTableWidget* grid, QWidget* background, TCommit commit)
    : grid_(grid), background_(background), commit_(std::move(commit)),
      edVal_(new QLineEdit(grid->viewport())) {
    edVal_->setObjectName("edVal");
    edVal_->setStyleSheet("QLineEdit { background: #C0DCC0; color: black; }");
    edVal_->setAlignment(Qt::AlignCenter);
    edVal_->hide();
    edVal_->installEventFilter(this);
}

TGridCellEditor::~TGridCellEditor() {
    // The box may lose its focus as the dialog goes: that is no commit.
    edVal_->removeEventFilter(this);
}

void TGridCellEditor::Open(int row, int column, const QString& text) {
    cell_ = {row, column};
    openedWith_ = text;
    edVal_->setText(text);
    edVal_->setGeometry(grid_->visualItemRect(grid_->item(row, column)));
    edVal_->show();
    edVal_->setFocus();
    edVal_->selectAll();
}

bool TGridCellEditor::Leave() {
    if (!cell_ || committing_)
        return !cell_;
    committing_ = true;
    const auto [row, column] = *cell_;
    bool done = true;
    if (commit_)
        done = commit_(row, column, edVal_->text());
    else
        Widgets::SetCell(grid_, row, column, edVal_->text());
    committing_ = false;
    if (done) {
        Close();
    } else if (cell_) {
        edVal_->setFocus();
        edVal_->selectAll();
    }
    return done;
}

void TGridCellEditor::Close() {
    if (!cell_)
        return;
    // Cleared first: hiding the box that has the focus makes it lose it.
    cell_.reset();
    const bool focused = edVal_->hasFocus();
    edVal_->hide();
    if (focused)
        background_->setFocus();
    emit closed();
}

bool TGridCellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edVal_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            Close();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            background_->setFocus(); // leaving the box commits it
            return true;
        }
    }
    // Focus lost to a message box or a popup is not leaving the box.
    if (event->type() == QEvent::FocusOut && cell_) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Leave();
    }
    return QObject::eventFilter(watched, event);
}
