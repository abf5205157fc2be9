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
    return environment;
}

QString xdotool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
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
