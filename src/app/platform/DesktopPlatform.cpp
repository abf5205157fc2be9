#include "app/platform/DesktopPlatform.h"

#include "app/platform/DataFolderLock.h"
#include "app/platform/DesktopNotificationService.h"
#include "app/platform/SoundModule.h"
#include "app/platform/SystemShell.h"
#include "controls/core/AppTexts.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace pennoc {

namespace {

class QtPeriodicTimer : public PeriodicTimer {
public:
    QtPeriodicTimer(std::chrono::milliseconds interval, std::function<void()> onTick)
        : m_onTick(std::move(onTick)) {
        m_timer.setInterval(interval);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { m_onTick(); });
    }

    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
    std::function<void()> m_onTick;
};

} // namespace

DesktopPlatform::DesktopPlatform()
    : m_executablePath(QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath()) {}

DesktopPlatform::~DesktopPlatform() = default;

std::filesystem::path DesktopPlatform::programFolder() const {
    return std::filesystem::path(QFileInfo(m_executablePath).absolutePath().toStdU16String());
}

std::u16string DesktopPlatform::executableName() const {
    return QFileInfo(m_executablePath).completeBaseName().toStdU16String();
}

bool DesktopPlatform::previousInstanceRunning() {
    if (m_dataLock) {
        return false;
    }
    // The lock lives in the data folder itself, so it is there before the folder is read.
    const std::filesystem::path notes = programFolder() / "Notes";
    std::error_code error;
    if (std::filesystem::create_directory(notes, error)) {
        std::filesystem::permissions(notes, std::filesystem::perms::owner_all, error);
    }
    // One lock per data folder, wherever the names that lead to it are.
    const std::filesystem::path folder = std::filesystem::canonical(notes, error);
    auto lock = std::make_unique<DataFolderLock>(error ? notes : folder);
    switch (lock->outcome()) {
    case DataFolderLock::Outcome::taken:
        m_dataLock = std::move(lock);
        return false;
    case DataFolderLock::Outcome::heldByAnother:
        return true;
    case DataFolderLock::Outcome::failed:
        break;
    }
    // Running without the lock could let two copies save into one folder: the program does not start.
    const std::u16string text = u"无法锁定便笺文件夹，为免两个副本同时保存，程序不启动：\n" +
                                QString::fromLocal8Bit(lock->problem()).toStdU16String();
    reportToConsole(text);
    showErrorMessage(std::u16string(texts::kProgramTitle), text);
    return true;
}

FileSystem& DesktopPlatform::files() {
    return m_files;
}

const TextCodec& DesktopPlatform::textCodec() const {
    return m_codec;
}

const Clocks& DesktopPlatform::clocks() const {
    return m_clocks;
}

std::unique_ptr<PeriodicTimer> DesktopPlatform::createTimer(std::chrono::milliseconds interval,
                                                            std::function<void()> onTick) {
    return std::make_unique<QtPeriodicTimer>(interval, std::move(onTick));
}

SoundPlayer* DesktopPlatform::soundPlayer() {
    if (!m_sound && !m_soundUnavailable) {
        QString error;
        m_sound = loadSoundPlayer(QFileInfo(m_executablePath).absolutePath(), error);
        // Said once: a program without its sound module still runs every other action.
        m_soundUnavailable = !m_sound;
        if (m_soundUnavailable) {
            reportToConsole(u"无法播放声音：" + error.toStdU16String());
        }
    }
    return m_sound.get();
}

void DesktopPlatform::playSound(const std::filesystem::path& file) {
    if (SoundPlayer* sound = soundPlayer()) {
        sound->play(file);
    }
}

void DesktopPlatform::stopSound() {
    if (m_sound) {
        m_sound->stop();
    }
}

void DesktopPlatform::beep() {
    // The bell is muted on most desktops and silent on Wayland; our own beep sounds wherever audio plays.
    SoundPlayer* sound = soundPlayer();
    if (sound == nullptr || !sound->beep()) {
        QApplication::beep();
    }
}

DesktopNotifications& DesktopPlatform::notifications() {
    if (!m_notifications) {
        m_notifications = createDesktopNotifications(texts::kMenuEntryName);
    }
    return *m_notifications;
}

void DesktopPlatform::openWithSystem(const std::u16string& target) {
    systemshell::openWithSystem(QString::fromStdU16String(target));
}

void DesktopPlatform::startHiddenCommand(const std::u16string& commandLine) {
    systemshell::startHiddenCommand(QString::fromStdU16String(commandLine));
}

void DesktopPlatform::powerOff() {
    systemshell::powerOff();
}

void DesktopPlatform::suspend() {
    systemshell::suspend();
}

void DesktopPlatform::registerAutoRun() {
    systemshell::registerAutoRun(QString::fromStdU16String(executableName()), m_executablePath);
}

void DesktopPlatform::unregisterAutoRun() {
    systemshell::unregisterAutoRun(QString::fromStdU16String(executableName()));
}

void DesktopPlatform::showErrorMessage(const std::u16string& title, const std::u16string& text) {
    QMessageBox::critical(nullptr, QString::fromStdU16String(title), QString::fromStdU16String(text), QMessageBox::Ok);
}

bool DesktopPlatform::askToConfirm(const std::u16string& title, const std::u16string& text) {
    return QMessageBox::warning(nullptr, QString::fromStdU16String(title), QString::fromStdU16String(text),
                                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::filesystem::path> DesktopPlatform::chooseFileToOpen(const OpenFileRequest& request) {
    const QString filter = QString::fromStdU16String(request.filterDescription) + QStringLiteral(" (") +
                           QString::fromStdU16String(request.filterPattern) + QLatin1Char(')');
    const QString chosen =
        QFileDialog::getOpenFileName(nullptr, QString::fromStdU16String(request.title),
                                     QString::fromStdU16String(request.initialFolder.u16string()), filter);
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(QDir::toNativeSeparators(chosen).toStdU16String());
}

std::filesystem::path DesktopPlatform::createRescueFolder() {
    QStringList places;
    if (const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR"); !runtime.isEmpty()) {
        places << runtime;
    }
    places << QDir::tempPath();
    const QString name = QStringLiteral("/pennoc-rescue-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-")) +
                         QStringLiteral("XXXXXX");
    for (const QString& place : places) {
        // The folder is created under a name nobody has taken, so nothing is ever overwritten.
        QTemporaryDir folder(place + name);
        if (folder.isValid()) {
            folder.setAutoRemove(false);
            return std::filesystem::path(folder.path().toStdU16String());
        }
    }
    throw StorageError(std::filesystem::path(places.constLast().toStdU16String()), "no folder can be created there");
}

void DesktopPlatform::reportToConsole(const std::u16string& text) {
    std::fprintf(stderr, "pennoc: %s\n", QString::fromStdU16String(text).toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace pennoc
