#include "app/platform/SystemShell.h"

#include "windows/core/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>

namespace pennoc::systemshell {

namespace {

// Programs are looked up through PATH, so the desktop's own tools (and stand-ins in tests) are used.
void startDetached(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.startDetached();
}

QString autostartFolder() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config)) {
        config = QDir::homePath() + QStringLiteral("/.config");
    }
    return config + QStringLiteral("/autostart");
}

QString desktopEntryPath(const QString& name) {
    return autostartFolder() + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

} // namespace

void openWithSystem(const QString& target) {
    startDetached(QStringLiteral("xdg-open"), {target});
}

void startHiddenCommand(const QString& commandLine) {
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty()) {
        return;
    }
    const QString program = arguments.takeFirst();
    startDetached(program, arguments);
}

void powerOff() {
    startDetached(QStringLiteral("systemctl"), {QStringLiteral("poweroff")});
}

void suspend() {
    startDetached(QStringLiteral("systemctl"), {QStringLiteral("suspend")});
}

void registerAutoRun(const QString& name, const QString& executable) {
    if (!QDir().mkpath(autostartFolder())) {
        return;
    }
    QSaveFile file(desktopEntryPath(name));
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    const std::string entry = autostartDesktopEntry(name.toStdString(), executable.toStdString());
    file.write(entry.data(), static_cast<qint64>(entry.size()));
    file.commit();
}

void unregisterAutoRun(const QString& name) {
    QFile::remove(desktopEntryPath(name));
}

} // namespace pennoc::systemshell
