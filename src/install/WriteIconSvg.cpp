// Build step: writes the theme icon (SVG) from the drawing the window uses, so both stay one picture.
#include "app/AppIcon.h"

#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.svg\n", argv[0]);
        return 2;
    }
    constexpr int kSide = 64;
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(argv[1]));
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle(QStringLiteral("Pennoc便笺"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    pennoc::paintAppIcon(painter, kSide);
    return painter.end() ? 0 : 1;
}
