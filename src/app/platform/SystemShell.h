#pragma once

#include <QString>

namespace pennoc::systemshell {

// Opens a file or program with the desktop's handler for it; no shell sees the path.
void openWithSystem(const QString& target);

// Starts a command line detached and hidden.
void startHiddenCommand(const QString& commandLine);

void powerOff();
void suspend();

// Registers `executable` to start when the user logs in, under `name`; replaces an earlier registration.
void registerAutoRun(const QString& name, const QString& executable);
void unregisterAutoRun(const QString& name);

} // namespace pennoc::systemshell
