#pragma once

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>
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

// One notch of the wheel at a point of the window, delivered as the window system delivers it: to the widget
// under the pointer, then up through its parents while none takes it. Negative turns toward the user.
inline void turnWheelAt(QWidget& window, QPoint point, int delta) {
    moveTo(window, point);
    const QPoint global = window.mapToGlobal(point);
    QWidget* under = QApplication::widgetAt(global);
    QWheelEvent turn(under->mapFromGlobal(global), global, {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&turn);
    // sendEvent would take the spontaneous mark away, and with it the way up through the parents.
    qApp->notify(under, &turn);
}

inline void pressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window.windowHandle(), key, modifiers);
}

} // namespace pennoc::test
