#include "controls/TitleBandImages.h"

#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"

#include <QPainter>

namespace pennoc {

namespace {

constexpr int kSize = 18;

QPixmap drawImage(ColorValue background, void (*drawSign)(QPainter&)) {
    QPixmap image(kSize, kSize);
    image.fill(toQColor(background));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 1.5, Qt::SolidLine, Qt::RoundCap));
    drawSign(painter);
    return image;
}

void drawCross(QPainter& painter) {
    painter.drawLine(QPointF(5, 5), QPointF(13, 13));
    painter.drawLine(QPointF(13, 5), QPointF(5, 13));
}

void drawMenuBars(QPainter& painter) {
    for (const double y : {5.5, 9.0, 12.5}) {
        painter.drawLine(QPointF(4.5, y), QPointF(13.5, y));
    }
}

void drawMinusBar(QPainter& painter) {
    painter.drawLine(QPointF(4.5, 9), QPointF(13.5, 9));
}

} // namespace

QPixmap titleBandImage(int index) {
    switch (index) {
    case 1:
        return drawImage(colors::kAccent, drawCross);
    case 2:
        return drawImage(colors::kCloseRed, drawCross);
    case 3:
        return drawImage(colors::kAccent, drawMenuBars);
    case 4:
        return drawImage(colors::kHoverBlue, drawMenuBars);
    case 5:
        return drawImage(colors::kAccent, drawMinusBar);
    case 6:
        return drawImage(colors::kHoverBlue, drawMinusBar);
    default:
        return QPixmap();
    }
}

} // namespace pennoc
