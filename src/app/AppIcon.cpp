#include "app/AppIcon.h"

#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"

#include <QIconEngine>
#include <QPainter>

namespace pennoc {

namespace {

constexpr double kDesignSide = 64.0;

// Drawn whenever a size is asked for, and kept nowhere: the window system takes its copies once, at the
// window's first showing, and the program need not hold them for the rest of the day.
class AppIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        paintAppIcon(*painter, std::min(rect.width(), rect.height()));
        painter->restore();
    }

    QIconEngine* clone() const override { return new AppIconEngine; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : {16, 24, 32, 48, 64, 128}) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }
};

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
    return QIcon(new AppIconEngine);
}

} // namespace pennoc
