#include "ui/shell/FormNotificacao.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

TFormNotificacao::TFormNotificacao(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint), pnMensagem_(new QLabel(this)) {
    setObjectName("FormNotificacao");
    pnMensagem_->setObjectName("pnMensagem");
    pnMensagem_->setStyleSheet("QLabel { color: #008000; font-weight: bold; padding: 14px; "
                               "background: palette(window); border: 1px solid #808080; }");
    pnMensagem_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pnMensagem_);
}

void TFormNotificacao::ShowAt(const QPoint& globalTopLeft, int width, const QString& text) {
    SetText(text);
    setFixedWidth(width);
    move(globalTopLeft);
    show();
    raise();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TFormNotificacao::Text() const {
    return pnMensagem_->text();
}

void TFormNotificacao::SetText(const QString& text) {
    pnMensagem_->setText(text);
    pnMensagem_->repaint();
}
