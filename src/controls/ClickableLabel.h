#pragma once

#include "controls/ClickTracker.h"

#include <QLabel>

namespace pennoc {

// A label that acts as a flat button: `clicked` when the left button is pressed and released over it,
// `mouseMoved` on every pointer movement over it. Movements are kept from its container, whose own
// movement handler puts lit labels back. Tab reaches it, and Enter or Space clicks it.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ClickTracker m_clicks;
};

} // namespace pennoc
