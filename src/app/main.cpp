#include "app/AppIcon.h"
#include "app/FrmMain.h"
#include "app/QtTranslations.h"
#include "app/platform/DesktopPlatform.h"
#include "app/platform/TerminationSignals.h"
#include "app/platform/WindowSystem.h"
#include "controls/ControlAccessibility.h"
#include "controls/FlatScrollBarStyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSessionManager>

int main(int argc, char** argv) {
    pennoc::preferSessionWindowSystem();
    QApplication app(argc, argv);
    pennoc::installQtTranslations(app);
    pennoc::installControlAccessibility();
    pennoc::DesktopPlatform platform;
    if (platform.previousInstanceRunning()) {
        return 0;
    }
    QApplication::setStyle(new pennoc::FlatScrollBarStyle);

    QApplication::setWindowIcon(pennoc::appIcon());
    pennoc::FrmMain window(platform);
    window.Form_Initialize();
    if (!window.Form_Load()) {
        return 1;
    }
    pennoc::onTerminationRequest(&window, [&window] { window.exitWithoutAsking(); });
    // The session asks for the data first and ends the program later, unless the logout is cancelled.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &window,
        [&window](QSessionManager& manager) {
            const bool sessionMayEnd = window.commitSessionData([&manager] { return manager.allowsInteraction(); });
            manager.release();
            if (!sessionMayEnd) {
                manager.cancel();
            }
        },
        Qt::DirectConnection);
    window.show();
    return app.exec();
}
