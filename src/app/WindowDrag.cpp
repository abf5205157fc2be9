#include "app/WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace pennoc {

namespace {

class ManualWindowMove : public QObject {
public:
    ManualWindowMove(QWidget* window, QPoint globalPressPosition)
        : QObject(window)
        , m_window(window)
        , m_offset(globalPressPosition - window->frameGeometry().topLeft()) {
        window->grabMouse();
        qApp->installEventFilter(this);
    }

    ~ManualWindowMove() override {
        if (m_window) {
            m_window->releaseMouse();
        }
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
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
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
