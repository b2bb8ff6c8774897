#pragma once

#include <QWidget>

class QLabel;

// A small borderless window with one green status text, shown without blocking while work runs.
class TFormNotificacao : public QWidget {
    Q_OBJECT
public:
    explicit TFormNotificacao(QWidget* parent = nullptr);

    void ShowAt(const QPoint& globalTopLeft, int width, const QString& text);
    void SetText(const QString& text);
    QString Text() const;

private:
    QLabel* pnMensagem_;
};
