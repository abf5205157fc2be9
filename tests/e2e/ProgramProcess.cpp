#include "e2e/ProgramProcess.h"

#include "support/FileHelpers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace pennoc::test {

std::filesystem::path installProgram(const std::filesystem::path& folder) {
    const std::filesystem::path program = folder / "pennoc";
    if (!std::filesystem::exists(program)) {
        std::filesystem::copy_file(PENNOC_EXECUTABLE, program);
        std::filesystem::copy_file(PENNOC_SOUND_MODULE, folder / std::filesystem::path(PENNOC_SOUND_MODULE).filename());
    }
    return program;
}

QProcessEnvironment programEnvironment(const std::filesystem::path& folder) {
    const std::filesystem::path standIns = folder / "stand-ins";
    std::filesystem::create_directories(standIns);
    for (const char* tool : {"systemctl", "xdg-open"}) {
        const std::filesystem::path script = standIns / tool;
        writeBytes(script, std::string("#!/bin/sh\necho \"") + tool + " $*\" >> \"" +
                               (standIns / "calls.log").string() + "\"\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((folder / "config").string()));
    // The program runs on the test's X display, whatever platform the caller chose for its own widget tests.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("PATH"), QString::fromStdString(standIns.string()) + QLatin1Char(':') +
                                                   environment.value(QStringLiteral("PATH")));
    return environment;
}

std::string standInCalls(const std::filesystem::path& folder) {
    return readBytes(folder / "stand-ins" / "calls.log");
}

bool startProgram(QProcess& program, const std::filesystem::path& folder, const QProcessEnvironment& environment) {
    program.setProgram(QString::fromStdString(installProgram(folder).string()));
    program.setProcessEnvironment(environment);
    program.start();
    return program.waitForStarted(5000);
}

bool startProgram(QProcess& program, const std::filesystem::path& folder) {
    return startProgram(program, folder, programEnvironment(folder));
}

bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) {
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

} // namespace pennoc::test
