#include "app/AppIcon.h"

#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pennoc {

namespace {

constexpr double kDesignSide = 64.0;

} // namespace

void paintAppIcon(QPainter& painter, int side) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kDesignSide, side / kDesignSide);
    painter.setPen(Qt::NoPen);

    painter.setBrush(toQColor(colors::kAccent));
    painter.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);

    painter.setBrush(toQColor(colors::kWhite));
    const QPointF sheet[] = {{16, 12}, {40, 12}, {48, 20}, {48, 52}, {16, 52}};
    painter.drawPolygon(sheet, 5);
    painter.setBrush(toQColor(colors::kHoverBlue));
    const QPointF fold[] = {{40, 12}, {40, 20}, {48, 20}};
    painter.drawPolygon(fold, 3);

    painter.setPen(QPen(toQColor(colors::kAccent), 3, Qt::SolidLine, Qt::RoundCap));
    for (const double y : {27.0, 35.0, 43.0}) {
        painter.drawLine(QPointF(22, y), QPointF(42, y));
    }
    painter.restore();
}

QIcon appIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        QPixmap image(side, side);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintAppIcon(painter, side);
        painter.end();
        icon.addPixmap(image);
    }
    return icon;
}

} // namespace pennoc
