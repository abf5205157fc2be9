#include "controls/ClickableLabel.h"

#include "controls/KeyboardPress.h"

#include <QMouseEvent>

namespace pennoc {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setMouseTracking(true);
    pressWithKeys(this, [this] { Q_EMIT clicked(); });
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    m_clicks.press(*event);
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_clicks.release(*event, *this);
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
