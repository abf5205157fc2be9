#include "e2e/DesktopInput.h"

#include <QProcess>
#include <QThread>

namespace pennoc::test {

QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

QString findWindow(const QString& namePattern) {
    return xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), namePattern})
        .section(QLatin1Char('\n'), 0, 0);
}

void clickAt(const QString& window, int x, int y) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y),
             QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(400);
}

void typeInto(const QString& window, const QString& text) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
    QThread::msleep(400);
}

} // namespace pennoc::test
