#include "controls/ClickableLabel.h"

#include <QMouseEvent>

namespace pennoc {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setMouseTracking(true);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}

void ClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    Q_EMIT mouseMoved();
}

} // namespace pennoc
