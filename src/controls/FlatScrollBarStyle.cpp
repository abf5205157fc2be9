#include "controls/FlatScrollBarStyle.h"

#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleOption>

namespace pennoc {

namespace {

constexpr ColorValue kGroove = rgbValue(240, 240, 240);
constexpr ColorValue kHandle = rgbValue(205, 205, 205);
constexpr ColorValue kArrow = rgbValue(96, 96, 96);
constexpr ColorValue kArrowDisabled = rgbValue(191, 191, 191);

bool isActive(const QStyleOptionSlider& bar, QStyle::SubControl part) {
    return (bar.activeSubControls & part) != 0;
}

QColor handleColor(const QStyleOptionSlider& bar) {
    if (isActive(bar, QStyle::SC_ScrollBarSlider) && (bar.state & QStyle::State_Sunken)) {
        return toQColor(colors::kAccent);
    }
    if (isActive(bar, QStyle::SC_ScrollBarSlider) && (bar.state & QStyle::State_MouseOver)) {
        return toQColor(colors::kHoverBlue);
    }
    return toQColor(kHandle);
}

// A small solid triangle in the middle of a step button, pointing towards `towardsEnd` or away from it.
void drawArrow(QPainter* painter, const QRect& button, const QStyleOptionSlider& bar, bool towardsEnd,
               const QColor& color) {
    const qreal half = qMax<qreal>(2.0, qMin(button.width(), button.height()) * 0.3);
    const QPointF centre = QRectF(button).center();
    const qreal tip = towardsEnd ? half / 2 : -half / 2;
    QPolygonF triangle;
    if (bar.orientation == Qt::Vertical) {
        triangle << QPointF(centre.x() - half, centre.y() - tip) << QPointF(centre.x() + half, centre.y() - tip)
                 << QPointF(centre.x(), centre.y() + tip);
    } else {
        triangle << QPointF(centre.x() - tip, centre.y() - half) << QPointF(centre.x() - tip, centre.y() + half)
                 << QPointF(centre.x() + tip, centre.y());
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawPolygon(triangle);
    painter->restore();
}

} // namespace

void FlatScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                            QPainter* painter, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->fillRect(bar->rect, toQColor(kGroove));
    const bool canScroll = bar->maximum > bar->minimum && (bar->state & State_Enabled);
    if (canScroll) {
        QRect handle = subControlRect(control, bar, SC_ScrollBarSlider, widget);
        // A margin along the groove's sides, as the desktop's flat scroll bars have.
        const int margin = (bar->orientation == Qt::Vertical ? handle.width() : handle.height()) / 6;
        handle = bar->orientation == Qt::Vertical ? handle.adjusted(margin, 0, -margin, 0)
                                                  : handle.adjusted(0, margin, 0, -margin);
        painter->fillRect(handle, handleColor(*bar));
    }
    const QColor arrow = toQColor(canScroll ? kArrow : kArrowDisabled);
    drawArrow(painter, subControlRect(control, bar, SC_ScrollBarSubLine, widget), *bar, false, arrow);
    drawArrow(painter, subControlRect(control, bar, SC_ScrollBarAddLine, widget), *bar, true, arrow);
}

} // namespace pennoc
