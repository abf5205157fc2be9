#include "app/FlatScrollBarStyle.h"
#include "app/FrmMain.h"
#include "app/platform/DesktopPlatform.h"
#include "app/platform/TerminationSignals.h"

#include <QApplication>
#include <QGuiApplication>
#include <QSessionManager>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pennoc::DesktopPlatform platform;
    if (platform.previousInstanceRunning()) {
        return 0;
    }
    QApplication::setStyle(new pennoc::FlatScrollBarStyle);

    pennoc::FrmMain window(platform);
    window.Form_Initialize();
    if (!window.Form_Load()) {
        return 1;
    }
    pennoc::onTerminationRequest(&window, [&window] { window.exitWithoutAsking(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.exitWithoutAsking(); });
    window.show();
    return app.exec();
}
