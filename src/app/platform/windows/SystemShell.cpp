#include "app/platform/SystemShell.h"

#include "app/platform/windows/AutoRunCommand.h"
#include "app/platform/windows/RegistryAccess.h"

#include <shellapi.h>
#include <windows.h>

namespace pennoc::systemshell {

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

// The system's own tools, as a reminder stores them.
void powerOff() {
    startHiddenCommand(QStringLiteral("shutdown -s -t 0"));
}

void suspend() {
    startHiddenCommand(QStringLiteral("rundll32.exe powrprof.dll SetSuspendState"));
}

void registerAutoRun(const QString& name, const QString& executable) {
    registry::WriteRegistryValue(HKEY_LOCAL_MACHINE, kAutoRunKey, name.toStdU16String(), REG_SZ,
                                 autoRunCommand(name.toStdU16String(), executable.toStdWString()));
}

void unregisterAutoRun(const QString& name) {
    registry::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kAutoRunKey, name.toStdU16String());
}

} // namespace pennoc::systemshell
