#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace pennoc {

class TimeEntry;

// The main window's wheel hook: it takes every vertical wheel event that reaches the main window, whether
// sent to the window itself or passed up by a child that had no use for it (a list or editor scrolls on its
// own first), and hands each whole notch to the time entry. A wheel event it takes goes no further.
class WheelHook : public QObject {
    Q_OBJECT
public:
    // `entry` must outlive the hook.
    explicit WheelHook(TimeEntry& entry, QObject* parent = nullptr);

    // Starts watching `mainWindow`, in place of any window watched before.
    void install(QWidget* mainWindow);
    // Stops watching; the window handles wheel events on its own again. Harmless when not installed.
    void remove();

    // The hook's event handling: true, after stepping once per whole notch, for a wheel event with a
    // vertical distance (or none at all); false for every other event, which then takes its normal way.
    bool MainWindowProc(QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TimeEntry& m_entry;
    QPointer<QWidget> m_window;
    int m_pendingDelta = 0;
};

} // namespace pennoc
