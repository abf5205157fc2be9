#include "e2e/DesktopInput.h"

#include "e2e/ProgramProcess.h"

#include <QProcess>
#include <QRegularExpression>

namespace pennoc::test {

QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

namespace {

// Qt notes the time of each key or button press it takes from the window in the window's _NET_WM_USER_TIME;
// empty once the window is gone.
QString lastPressTaken(const QString& window) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_WM_USER_TIME")});
    xprop.waitForFinished(10000);
    return QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
}

// Gives one press, and its release, with xdotool, and waits until the program has taken the press from the
// window: what the test looks at next already follows it.
void pressAndWait(const QString& window, const QStringList& arguments) {
    const QString before = lastPressTaken(window);
    xdotool(arguments);
    waitFor([&] { return lastPressTaken(window) != before; }, 10000);
}

// Types the text a character at a time into the window, which has the keyboard.
void typeKeys(const QString& window, const QString& text) {
    for (const char32_t character : text.toUcs4()) {
        pressAndWait(window, {QStringLiteral("type"), QString::fromUcs4(&character, 1)});
    }
}

} // namespace

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
    pressAndWait(window, {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(point.x()),
                          QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")});
}

void typeText(const QString& window, const QString& text) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    typeKeys(window, text);
}

void typeInto(const QString& window, const QString& text) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    pressAndWait(window, {QStringLiteral("key"), QStringLiteral("ctrl+a")});
    typeKeys(window, text);
}

void pressKey(const QString& window, const QString& key) {
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    pressAndWait(window, {QStringLiteral("key"), key});
}

} // namespace pennoc::test
