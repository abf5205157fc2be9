#include "app/DrawerTab.h"

#include "controls/ControlAccessibility.h"
#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"
#include "controls/core/Twips.h"

#include <QPainter>

namespace pennoc {

namespace {

// Named for what a press does.
QString accessibleNameFor(bool open) {
    return open ? QStringLiteral("收起便笺列表") : QStringLiteral("展开便笺列表");
}

} // namespace

DrawerTab::DrawerTab(QWidget* parent)
    : PictureBox(parent) {
    setAccessibleRole(this, QAccessible::PushButton);
    setAccessibleName(accessibleNameFor(m_open));
}

void DrawerTab::flip(bool open) {
    m_open = open;
    setAccessibleName(accessibleNameFor(open));
    for (QLine& line : m_lines) {
        line = QLine(line.x2(), line.y1(), line.x1(), line.y2());
    }
    update();
}

bool DrawerTab::chevronPointsRight() const {
    return m_lines[0].x2() > m_lines[0].x1();
}

void DrawerTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(toQColor(colors::kAccent), 2));
    for (const QLine& line : m_lines) {
        painter.drawLine(twipsToPixels(line.x1()), twipsToPixels(line.y1()), twipsToPixels(line.x2()),
                         twipsToPixels(line.y2()));
    }
}

} // namespace pennoc
