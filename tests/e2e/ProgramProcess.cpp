#include "e2e/ProgramProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace pennoc::test {

std::filesystem::path installProgram(const std::filesystem::path& folder) {
    const std::filesystem::path program = folder / "pennoc";
    if (!std::filesystem::exists(program)) {
        std::filesystem::copy_file(PENNOC_EXECUTABLE, program);
    }
    return program;
}

QProcessEnvironment programEnvironment(const std::filesystem::path& folder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((folder / "config").string()));
    // The program runs on the test's X display, whatever platform the caller chose for its own widget tests.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return environment;
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
