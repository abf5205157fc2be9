#pragma once

#include "app/platform/Gb18030Codec.h"
#include "app/platform/LocalFileSystem.h"
#include "app/platform/SystemClocks.h"
#include "platform/PlatformServices.h"

#include <QString>
#include <memory>

namespace pennoc {

class DataFolderLock;
class SoundPlayer;

// The platform services of a desktop session, built on Qt and the operating system.
class DesktopPlatform : public PlatformServices {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    std::filesystem::path programFolder() const override;
    std::u16string executableName() const override;
    bool previousInstanceRunning() override;
    FileSystem& files() override;
    const TextCodec& textCodec() const override;
    const Clocks& clocks() const override;
    std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                               std::function<void()> onTick) override;
    void playSound(const std::filesystem::path& file) override;
    void stopSound() override;
    void beep() override;
    DesktopNotifications& notifications() override;
    void openWithSystem(const std::u16string& target) override;
    void startHiddenCommand(const std::u16string& commandLine) override;
    void powerOff() override;
    void suspend() override;
    void registerAutoRun() override;
    void unregisterAutoRun() override;
    void showErrorMessage(const std::u16string& title, const std::u16string& text) override;
    bool askToConfirm(const std::u16string& title, const std::u16string& text) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenFileRequest& request) override;
    std::filesystem::path createRescueFolder() override;
    void reportToConsole(const std::u16string& text) override;

private:
    SoundPlayer* soundPlayer();

    QString m_executablePath;
    LocalFileSystem m_files;
    Gb18030Codec m_codec;
    SystemClocks m_clocks;
    std::unique_ptr<DataFolderLock> m_dataLock;
    // Loaded at the first sound, so the audio machinery costs nothing at start-up.
    std::unique_ptr<SoundPlayer> m_sound;
    bool m_soundUnavailable = false;
    std::unique_ptr<DesktopNotifications> m_notifications;
};

} // namespace pennoc
