#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace pennoc::test {

// Input as a person gives it: shown and active windows, and presses at a point of the window, so that Qt
// picks the widget under the pointer itself (with its focus, grab and hover rules) instead of the test.

inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline QPoint centreOf(const QWidget& window, const QWidget& target) {
    return target.mapTo(&window, target.rect().center());
}

inline void moveTo(QWidget& window, QPoint point) {
    QTest::mouseMove(window.windowHandle(), point);
}

inline void clickAt(QWidget& window, QPoint point, Qt::KeyboardModifiers modifiers = {}) {
    moveTo(window, point);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, modifiers, point);
}

inline void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

} // namespace pennoc::test
