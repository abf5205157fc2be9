#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>

namespace pennoc::test {

// The real executable copied into a folder of its own (once), so its data lands there.
std::filesystem::path installProgram(const std::filesystem::path& folder);

// Environment for a started copy: the autostart entry goes into the test's folder, not the user's.
QProcessEnvironment programEnvironment(const std::filesystem::path& folder);

// Runs xdotool on the test's X display and gives what it printed.
QString xdotool(const QStringList& arguments);

// Waits up to `milliseconds` for the condition, letting events run.
bool waitFor(const std::function<bool()>& condition, int milliseconds);

} // namespace pennoc::test
