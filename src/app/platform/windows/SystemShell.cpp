#include "app/platform/SystemShell.h"

#include "app/platform/windows/RegistryAccess.h"

#include <QDir>
#include <QFileInfo>
#include <shellapi.h>
#include <string_view>
#include <windows.h>

namespace pennoc::systemshell {

namespace {

constexpr std::u16string_view kRunKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The folder, the name and ".exe", whatever the real extension. A path with blanks is quoted: unquoted, the
// system would first try to start a program named after the part before the first blank ("C:\My.exe" for
// "C:\My Apps\pennoc.exe"), which anyone able to write there could plant, to be run at every user's logon.
QString runCommand(const QString& name, const QString& executable) {
    QString folder = QDir::toNativeSeparators(QFileInfo(executable).absolutePath());
    if (folder.endsWith(QLatin1Char('\\'))) {
        folder.chop(1);
    }
    const QString command = folder + QLatin1Char('\\') + name + QStringLiteral(".exe");
    if (command.contains(QLatin1Char(' ')) || command.contains(QLatin1Char('\t'))) {
        return QLatin1Char('"') + command + QLatin1Char('"');
    }
    return command;
}

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
    registry::WriteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, name.toStdU16String(), REG_SZ,
                                 runCommand(name, executable).toStdU16String());
}

void unregisterAutoRun(const QString& name) {
    registry::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kRunKey, name.toStdU16String());
}

} // namespace pennoc::systemshell
