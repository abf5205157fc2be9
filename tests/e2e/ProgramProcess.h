#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>

namespace pennoc::test {

// The real executable and its sound module copied into a folder of its own (once), so its data lands there.
std::filesystem::path installProgram(const std::filesystem::path& folder);

// Environment for a started copy: the autostart entry goes into the test's folder, not the user's; the
// program shows its windows on the test's X display; and stand-ins for the desktop's tools (systemctl,
// xdg-open) come first on PATH, so that no test can power the machine off or open a real file. Each stand-in
// only notes its call in the folder.
QProcessEnvironment programEnvironment(const std::filesystem::path& folder);

// Starts the copy of the program in `folder` (installing it first) with `environment`, by default the test
// environment above; false when it did not start.
bool startProgram(QProcess& program, const std::filesystem::path& folder, const QProcessEnvironment& environment);
bool startProgram(QProcess& program, const std::filesystem::path& folder);

// The calls the stand-ins noted, one line each ("systemctl poweroff").
std::string standInCalls(const std::filesystem::path& folder);

// Waits up to `milliseconds` for the condition, letting events run.
bool waitFor(const std::function<bool()>& condition, int milliseconds);

} // namespace pennoc::test
