#pragma once

#include "controls/core/ColorValue.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QLabel;
class QWidget;

namespace pennoc {

// The caption face "等线" at the given size, or where it is missing the first installed CJK face that stands in.
QFont uiFont(double pointSize = 12.0);

// A stored colour value as a Qt colour; system colours come from the application's palette.
QColor toQColor(ColorValue value);

// A design rectangle given in twips, in pixels.
QRect twipsRect(int left, int top, int width, int height);

// Places a label at its design rectangle, grown where its text in the substitute face would not fit, so
// no caption is cut, underline and descenders included; it never shrinks below the design size. Width
// grows to the right, height evenly about the design's middle. Call it once the font and text are set.
void placeLabel(QLabel* label, const QRect& designRect);

// Sets a widget's background and text colours through its palette.
void setColors(QWidget* widget, ColorValue background, ColorValue text);
void setTextColor(QWidget* widget, ColorValue text);

} // namespace pennoc
