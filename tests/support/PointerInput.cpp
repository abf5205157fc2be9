#include "support/PointerInput.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace pennoc::test {

QPoint centreOf(const QWidget* widget) {
    return widget->mapToGlobal(widget->rect().center());
}

void movePointerTo(QPoint global) {
    QWidget* window = QApplication::topLevelAt(global);
    ASSERT_NE(window, nullptr) << "no window at " << global.x() << "," << global.y();
    QTest::mouseMove(window->windowHandle(), window->mapFromGlobal(global));
}

void clickAt(QPoint global) {
    movePointerTo(global);
    QWidget* window = QApplication::topLevelAt(global);
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->mapFromGlobal(global));
}

} // namespace pennoc::test
