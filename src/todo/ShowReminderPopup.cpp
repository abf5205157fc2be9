#include "todo/ShowReminderPopup.h"

#include "platform/PlatformServices.h"
#include "windows/FrmMessage.h"

namespace pennoc {

void ShowReminderPopup(PlatformServices& platform, const std::u16string& message, const std::u16string& title,
                       const QObject* context, std::function<void()> closed) {
    auto* window = new FrmMessage(platform);
    window->setMessage(message);
    window->setTitle(title);
    // The window deletes itself when closed. No event loop waits here: the caller may be a timer's handler,
    // and Qt delivers no timer again while its handler runs.
    QObject::connect(window, &QObject::destroyed, context, [&platform, closed = std::move(closed)] {
        platform.beep();
        closed();
    });
    window->show();
}

} // namespace pennoc
