#pragma once

class QMouseEvent;
class QWidget;

namespace pennoc {

// A control's clicks: a left press on it, then the left release inside it. A release outside, or one after
// another button's press, is no click.
class ClickTracker {
public:
    void press(const QMouseEvent& event);
    // True when this release completes a click on `control`.
    bool release(const QMouseEvent& event, const QWidget& control);

private:
    bool m_pressed = false;
};

} // namespace pennoc
