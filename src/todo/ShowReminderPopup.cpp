#include "todo/ShowReminderPopup.h"

#include "app/PlatformServices.h"
#include "windows/FrmMessage.h"

#include <QEventLoop>
#include <QPointer>

namespace pennoc {

void ShowReminderPopup(PlatformServices& platform, const std::u16string& message, const std::u16string& title) {
    QPointer<FrmMessage> window = new FrmMessage(platform);
    window->setMessage(message);
    window->setTitle(title);

    // The window deletes itself when closed; its end is what the wait ends on.
    QEventLoop wait;
    QObject::connect(window, &QObject::destroyed, &wait, &QEventLoop::quit);
    window->show();
    wait.exec(QEventLoop::DialogExec);
    // The wait also ends, at once, when the program is quitting; the window must not outlive the call then.
    delete window.data();

    platform.beep();
}

} // namespace pennoc
