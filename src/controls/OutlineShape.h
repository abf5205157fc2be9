#pragma once

#include "controls/core/ColorValue.h"

#include <QWidget>

namespace pennoc {

// A one-pixel solid rectangle outline along the widget's edges. It never takes pointer input, so the control
// beneath it handles every press and move.
class OutlineShape : public QWidget {
    Q_OBJECT

public:
    explicit OutlineShape(QWidget* parent);

    ColorValue borderColor() const { return m_borderColor; }
    void setBorderColor(ColorValue color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColorValue m_borderColor = colors::kBlack;
};

} // namespace pennoc
