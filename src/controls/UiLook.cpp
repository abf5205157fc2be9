#include "controls/UiLook.h"

#include "controls/core/Twips.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace pennoc {

namespace {

// The first installed of the caption faces, looked up once: a font that names missing faces first sends every
// new size through the font system's whole fallback search.
const QString& captionFamily() {
    static const QString family = [] {
        // The list as it is: asking for each name on its own would run the font system's name substitution.
        const QStringList installed = QFontDatabase::families();
        // "等线" ships with Windows; Linux desktops rarely have it, so CJK faces that render the same texts follow.
        for (const QString& name :
             {QStringLiteral("等线"), QStringLiteral("DengXian"), QStringLiteral("Noto Sans CJK SC"),
              QStringLiteral("Noto Sans CJK"), QStringLiteral("WenQuanYi Micro Hei")}) {
            if (installed.contains(name, Qt::CaseInsensitive)) {
                return name;
            }
        }
        return QString();
    }();
    return family;
}

} // namespace

QFont uiFont(double pointSize) {
    QFont font;
    // With none of them installed, the application's font and Qt's own fallback for Chinese glyphs remain.
    if (!captionFamily().isEmpty()) {
        font.setFamilies({captionFamily()});
    }
    font.setPointSizeF(pointSize);
    return font;
}

QColor toQColor(ColorValue value) {
    if (isSystemColor(value)) {
        const QPalette palette = QApplication::palette();
        switch (value & 0xFFu) {
        case 0x05:
            return palette.color(QPalette::Base);
        case 0x08:
            return palette.color(QPalette::Text);
        case 0x0F:
            return palette.color(QPalette::Button);
        case 0x11:
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 0x15:
            return palette.color(QPalette::Shadow);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

void placeLabel(QLabel* label, const QRect& designRect) {
    const QSize size = designRect.size().expandedTo(label->sizeHint());
    // Grown evenly above and below, the line stays centred where the design put it: a taller line grown
    // downwards only would run under whatever starts below the design box (the content panel below the
    // title band).
    const int top = designRect.top() - (size.height() - designRect.height()) / 2;
    label->setGeometry(QRect(QPoint(designRect.left(), top), size));
}

void setColors(QWidget* widget, ColorValue background, ColorValue text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::WindowText, toQColor(text));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, ColorValue text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(text));
    palette.setColor(QPalette::Text, toQColor(text));
    widget->setPalette(palette);
}

} // namespace pennoc
