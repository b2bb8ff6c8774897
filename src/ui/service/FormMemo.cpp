#include "ui/service/FormMemo.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TFormMemo::TFormMemo(QWidget* parent) : QDialog(parent), memo_(new QPlainTextEdit) {
    setObjectName("FormMemo");
    auto* back = new QWidget(this);
    back->setObjectName("pnBack");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(back);
    auto* layout = new QVBoxLayout(back);
    memo_->setParent(back);
    memo_->setObjectName("Memo1");
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(memo_);
    setFixedSize(320, 420);
}

void TFormMemo::AddLine(const QString& line) {
    memo_->appendPlainText(line);
}
