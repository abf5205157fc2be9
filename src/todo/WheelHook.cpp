#include "todo/WheelHook.h"

#include "todo/TimeEntry.h"
#include "todo/core/TimeFields.h"

#include <QWheelEvent>
#include <QWidget>
#include <cstdlib>

namespace pennoc {

WheelHook::WheelHook(TimeEntry& entry, QObject* parent)
    : QObject(parent)
    , m_entry(entry) {}

void WheelHook::install(QWidget* mainWindow) {
    remove();
    m_window = mainWindow;
    m_pendingDelta = 0;
    mainWindow->installEventFilter(this);
}

void WheelHook::remove() {
    if (m_window) {
        m_window->removeEventFilter(this);
    }
    m_window = nullptr;
}

bool WheelHook::eventFilter(QObject*, QEvent* event) {
    return MainWindowProc(event);
}

bool WheelHook::MainWindowProc(QEvent* event) {
    if (event->type() != QEvent::Wheel) {
        return false;
    }
    const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
    // A sideways turn is another message on the desktop the program comes from; it keeps its normal way.
    if (delta.y() == 0 && delta.x() != 0) {
        return false;
    }
    const int notches = takeWholeNotches(m_pendingDelta, delta.y());
    const WheelTurn turn = notches < 0 ? WheelTurn::TowardUser : WheelTurn::AwayFromUser;
    for (int i = std::abs(notches); i > 0; --i) {
        m_entry.MainWindowProc(turn);
    }
    return true;
}

} // namespace pennoc
