#pragma once

#include "app/platform/LocalFileSystem.h"
#include "platform/PlatformServices.h"
#include "support/CallLog.h"
#include "support/FakeClocks.h"
#include "support/RecordingConsole.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingNotifications.h"
#include "support/RecordingShell.h"
#include "support/RecordingSound.h"
#include "support/RecordingTimers.h"
#include "support/Utf8Text.h"

#include <utility>

namespace pennoc::test {

// A platform for tests, made of the recording double of each concern: the sound, the shell, the dialogs and
// the console record into this one log, with "rescueFolder <path>" beside them; timers run when the test ticks
// them. Files are real, in a folder of the test's choosing. It needs no Qt, and so has no text codec:
// QtRecordingPlatform adds the real one and Qt's event handling.
class RecordingPlatform : public PlatformServices, public CallLog {
public:
    explicit RecordingPlatform(std::filesystem::path programFolder);
    // Its parts record into it.
    RecordingPlatform(const RecordingPlatform&) = delete;

    std::filesystem::path programFolder() const override { return m_programFolder; }
    std::u16string executableName() const override { return u"pennoc"; }
    bool previousInstanceRunning() override { return previousInstance; }
    FileSystem& files() override { return fileSystem ? *fileSystem : m_files; }
    const TextCodec& textCodec() const override;
    const Clocks& clocks() const override { return fakeClocks; }
    DesktopNotifications& notifications() override {
        return notificationService ? *notificationService : desktopNotifications;
    }
    std::filesystem::path createRescueFolder() override;

    std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                               std::function<void()> onTick) override {
        return m_timers.createTimer(interval, std::move(onTick));
    }
    void tick(std::chrono::milliseconds interval, int times = 1) { m_timers.tick(interval, times); }
    bool timerRunning(std::chrono::milliseconds interval) const { return m_timers.timerRunning(interval); }

    void playSound(const std::filesystem::path& file) override { m_sound.playSound(file); }
    void stopSound() override { m_sound.stopSound(); }
    void beep() override { m_sound.beep(); }

    void openWithSystem(const std::u16string& target) override { m_shell.openWithSystem(target); }
    void startHiddenCommand(const std::u16string& commandLine) override { m_shell.startHiddenCommand(commandLine); }
    void powerOff() override { m_shell.powerOff(); }
    void suspend() override { m_shell.suspend(); }
    void registerAutoRun() override { m_shell.registerAutoRun(); }
    void unregisterAutoRun() override { m_shell.unregisterAutoRun(); }

    void showErrorMessage(const std::u16string& title, const std::u16string& text) override {
        m_dialogs.showErrorMessage(title, text);
    }
    bool askToConfirm(const std::u16string& title, const std::u16string& text) override {
        return m_dialogs.askToConfirm(title, text);
    }
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenFileRequest& request) override {
        return m_dialogs.chooseFileToOpen(request);
    }

    void reportToConsole(const std::u16string& text) override { m_console.reportToConsole(text); }

    FakeClocks fakeClocks;
    RecordingNotifications desktopNotifications;
    bool previousInstance = false;
    // Replaces the real file system (to make operations fail), when set.
    FileSystem* fileSystem = nullptr;
    // Replaces the recording notification list (with the desktop's), when set.
    DesktopNotifications* notificationService = nullptr;

protected:
    // Runs after each tick of `tick`.
    virtual void afterTick() {}

private:
    std::filesystem::path m_programFolder;
    LocalFileSystem m_files;
    RecordingTimers m_timers{fakeClocks, [this] { afterTick(); }};
    RecordingSound m_sound{*this};
    RecordingShell m_shell{*this};
    RecordingDialogs m_dialogs{*this};
    RecordingConsole m_console{*this};
    int m_rescueFolders = 0;

public:
    // The dialog double's answers and the requests it saw, reached through the platform.
    bool& confirmAnswer = m_dialogs.confirmAnswer;
    std::deque<std::optional<std::filesystem::path>>& dialogAnswers = m_dialogs.dialogAnswers;
    std::vector<OpenFileRequest>& dialogRequests = m_dialogs.dialogRequests;
    std::function<void()>& whileDialogOpen = m_dialogs.whileDialogOpen;
};

} // namespace pennoc::test
