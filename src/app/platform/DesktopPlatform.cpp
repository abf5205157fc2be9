#include "app/platform/DesktopPlatform.h"

#include "app/platform/DesktopNotificationService.h"
#include "app/platform/InstanceLockFolder.h"
#include "app/platform/SoundModule.h"
#include "app/platform/SystemShell.h"
#include "controls/core/AppTexts.h"
#include "platform/FileSystem.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
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
    if (m_instanceLock) {
        return false;
    }
    const std::optional<QString> lockFolder = instanceLockFolder();
    if (!lockFolder) {
        reportToConsole(u"没有只属于本用户的文件夹可放单实例锁，不检查是否已有副本在运行。");
        return false;
    }
    // One lock per program folder, outside it: copies in different folders are different programs, and a
    // second copy must not touch the first one's files. QLockFile recovers a lock whose owner has died.
    const QByteArray folderHash =
        QCryptographicHash::hash(QString::fromStdU16String(programFolder().u16string()).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    auto lock = std::make_unique<QLockFile>(*lockFolder + QStringLiteral("/pennoc-") + QString::fromLatin1(folderHash) +
                                            QStringLiteral(".lock"));
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        return lock->error() == QLockFile::LockFailedError;
    }
    m_instanceLock = std::move(lock);
    return false;
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
        sound->play(QString::fromStdU16String(file.u16string()));
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
