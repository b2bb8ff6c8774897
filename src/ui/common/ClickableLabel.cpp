#include "ui/common/ClickableLabel.h"

#include <QMouseEvent>

TClickableLabel::TClickableLabel(const QString& objectName, QWidget* parent) : QLabel(parent) {
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
}

void TClickableLabel::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->button(), event->modifiers());
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}
