#include "controls/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace pennoc {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture) {
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!m_picture.isNull()) {
        QPainter(this).drawPixmap(0, 0, m_picture);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    m_clicks.press(*event);
    event->accept();
    Q_EMIT mousePressed(event->button(), event->globalPosition().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_clicks.release(*event, *this);
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // A move over a child control that passed it on is not a move over the bare background.
    if (!childAt(event->position().toPoint())) {
        Q_EMIT mouseMoved();
    }
}

} // namespace pennoc
