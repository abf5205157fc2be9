#include "controls/ClickTracker.h"

#include <QMouseEvent>
#include <QWidget>

namespace pennoc {

void ClickTracker::press(const QMouseEvent& event) {
    m_pressed = event.button() == Qt::LeftButton;
}

bool ClickTracker::release(const QMouseEvent& event, const QWidget& control) {
    const bool click =
        m_pressed && event.button() == Qt::LeftButton && control.rect().contains(event.position().toPoint());
    m_pressed = false;
    return click;
}

} // namespace pennoc
