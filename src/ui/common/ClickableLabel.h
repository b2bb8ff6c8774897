#pragma once

#include <QLabel>

// A label (picture or text) that reports mouse presses, for picture buttons, flags and the logo.
class TClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit TClickableLabel(const QString& objectName, QWidget* parent = nullptr);

signals:
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
