#include "app/AppIcon.h"
#include "app/FrmMain.h"
#include "app/QtTranslations.h"
#include "app/platform/DesktopPlatform.h"
#include "app/platform/FreeMemory.h"
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
    // Caught before anything reaches the disk. A request that comes before the notes are loaded (while a
    // start-up message is open) ends the program without writing; later ones save first.
    pennoc::FrmMain* loadedWindow = nullptr;
    bool endRequested = false;
    pennoc::onTerminationRequest(&app, [&loadedWindow, &endRequested] {
        if (loadedWindow) {
            loadedWindow->exitWithoutAsking();
        } else {
            endRequested = true;
            QApplication::exit(0);
        }
    });
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
    if (endRequested) {
        return 0;
    }
    pennoc::releaseFreedMemory();
    loadedWindow = &window;
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
