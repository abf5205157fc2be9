#pragma once

#include <QString>

namespace pennoc::systemshell {

// Opens a file or program with the desktop's handler for it; no shell sees the path.
void openWithSystem(const QString& target);

// Starts a command line detached and hidden. The two power command lines a reminder stores (TaskAction's
// shutdown and sleep commands) map to this platform's power-off and suspend.
void startHiddenCommand(const QString& commandLine);

// Registers `executable` to start when the user logs in, under `name`; replaces an earlier registration.
void registerAutoRun(const QString& name, const QString& executable);
void unregisterAutoRun(const QString& name);

} // namespace pennoc::systemshell
