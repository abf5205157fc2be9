#include "e2e/DesktopInput.h"

#include "e2e/ProgramProcess.h"

#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace pennoc::test {

namespace {

// Time for the program to take each input before the next one.
constexpr unsigned long kSettleMilliseconds = 400;

} // namespace

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

QString waitForMainWindow() {
    QString window;
    waitFor([&] { return !(window = findWindow(QStringLiteral("^Pennoc便笺$"))).isEmpty(); }, 30000);
    return window;
}

QString waitForWindowOf(QProcess& process) {
    const QString processId = QString::number(process.processId());
    QString window;
    waitFor(
        [&] {
            window =
                xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), processId})
                    .section(QLatin1Char('\n'), 0, 0);
            return !window.isEmpty() || process.waitForFinished(0);
        },
        30000);
    return window;
}

std::string screenRegion(QPoint topLeft, QSize size) {
    QProcess grab;
    grab.start(QStringLiteral(PENNOC_SCREEN_REGION), {QString::number(topLeft.x()), QString::number(topLeft.y()),
                                                      QString::number(size.width()), QString::number(size.height())});
    grab.waitForFinished(10000);
    return grab.readAllStandardOutput().trimmed().toStdString();
}

QPoint windowPosition(const QString& window) {
    const QRegularExpressionMatch position = QRegularExpression(QStringLiteral("Position: (\\d+),(\\d+)"))
                                                 .match(xdotool({QStringLiteral("getwindowgeometry"), window}));
    return {position.captured(1).toInt(), position.captured(2).toInt()};
}

void clickAt(const QString& window, QPoint point) {
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(point.x()),
             QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
    QThread::msleep(kSettleMilliseconds);
}

void typeText(const QString& window, const QString& text) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
    QThread::msleep(kSettleMilliseconds);
}

void typeInto(const QString& window, const QString& text) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a")});
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), text});
    QThread::msleep(kSettleMilliseconds);
}

void pressKey(const QString& window, const QString& key) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    xdotool({QStringLiteral("key"), key});
    QThread::msleep(kSettleMilliseconds);
}

} // namespace pennoc::test
