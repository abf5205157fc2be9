#include "controls/OutlineShape.h"

#include "controls/UiLook.h"

#include <QPainter>

namespace pennoc {

OutlineShape::OutlineShape(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::setBorderColor(ColorValue color) {
    m_borderColor = color;
    update();
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(toQColor(m_borderColor), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace pennoc
