#include "controls/WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace pennoc {

namespace {

// Moves the window with the pointer until the button is released. It takes no grab: while a button is held
// the window system already sends every movement to the window that got the press. The release goes on to
// its widget, so the application knows the button is up again.
class ManualWindowMove : public QObject {
public:
    ManualWindowMove(QWidget* window, QPoint globalPressPosition)
        : QObject(window)
        , m_window(window)
        , m_offset(globalPressPosition - window->frameGeometry().topLeft()) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_window->move(mouse->globalPosition().toPoint() - m_offset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    QPoint m_offset;
};

} // namespace

void startWindowDrag(QWidget* window, QPoint globalPressPosition) {
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove()) {
        return;
    }
    new ManualWindowMove(window, globalPressPosition);
}

} // namespace pennoc
