#include "todo/ShowReminderPopup.h"

#include "platform/SoundOutput.h"
#include "windows/FrmMessage.h"
#include "windows/PopupNotification.h"

namespace pennoc {

void ShowReminderPopup(SoundOutput& sound, DesktopNotifications& notifications, const std::u16string& message,
                       const std::u16string& title, const QObject* context, std::function<void()> closed) {
    auto* window = new FrmMessage(sound);
    window->setMessage(message);
    window->setTitle(title);
    notifyAlongside(*window, notifications);
    // The window deletes itself when closed. No event loop waits here: the caller may be a timer's handler,
    // and Qt delivers no timer again while its handler runs.
    QObject::connect(window, &QObject::destroyed, context, [&sound, closed = std::move(closed)] {
        sound.beep();
        closed();
    });
    window->show();
}

} // namespace pennoc
