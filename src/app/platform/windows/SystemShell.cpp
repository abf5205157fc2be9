#include "app/platform/SystemShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSettings>
#include <shellapi.h>
#include <windows.h>

namespace pennoc::systemshell {

namespace {

const QString kRunKey = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");

} // namespace

void openWithSystem(const QString& target) {
    ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(target.utf16()), L"", L"", SW_SHOWNORMAL);
}

void startHiddenCommand(const QString& commandLine) {
    std::wstring line = commandLine.toStdWString();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void registerAutoRun(const QString& name, const QString& executable) {
    // The value holds the folder, a backslash, the name and ".exe", as the program has always written it.
    Q_UNUSED(executable);
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.setValue(name, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QLatin1Char('\\') + name +
                           QStringLiteral(".exe"));
}

void unregisterAutoRun(const QString& name) {
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.remove(name);
}

} // namespace pennoc::systemshell
