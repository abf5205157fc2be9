#pragma once

#include <QProxyStyle>

namespace pennoc {

// The program's style: the desktop's own, with flat scroll bars in the program's colours. The stock
// scroll bar paints its groove and handle with gradients, and Qt splits a gradient fill taller than about
// a hundred rows across a pool of helper threads, so the notes editor's always-shown scroll bar alone
// would start two threads at the first paint. Solid fills draw on the calling thread. Sizes and hit areas
// stay the base style's, so the scroll bars behave exactly as before.
class FlatScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

} // namespace pennoc
