// The desktop's notification service for end-to-end tests: takes the standard name on the session bus,
// prints "ready", then one line per call: "Notify <id> <urgency> <summary>|<body>|<actions>" or
// "CloseNotification <id>".
#include "support/FakeNotificationService.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    pennoc::test::FakeNotificationService service(QDBusConnection::sessionBus(), true);
    if (!service.registered()) {
        std::fprintf(stderr, "cannot take the notification service's name\n");
        return 1;
    }
    service.onCall = [](const pennoc::test::FakeNotificationService::Call& call) {
        QString line = call.method + QLatin1Char(' ') + QString::number(call.id);
        if (call.method == QLatin1String("Notify")) {
            line += QLatin1Char(' ') + QString::number(call.hints.value(QStringLiteral("urgency")).toInt()) +
                    QLatin1Char(' ') + call.summary + QLatin1Char('|') + call.body + QLatin1Char('|') +
                    call.actions.join(QLatin1Char(','));
        }
        std::printf("%s\n", line.toUtf8().constData());
        std::fflush(stdout);
    };
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
