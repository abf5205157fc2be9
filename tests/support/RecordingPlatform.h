#pragma once

#include "app/platform/LocalFileSystem.h"
#include "platform/PlatformServices.h"
#include "support/FakeClocks.h"
#include "support/RecordingNotifications.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace pennoc::test {

class FakeTimer;

// A platform for tests: real files in a folder of the test's choosing and the real text codec; everything
// else is recorded in `calls` ("beep", "playSound <path>", "stopSound", "open <target>", "command <line>", "powerOff",
// "suspend", "registerAutoRun", "unregisterAutoRun", "error <title>|<text>", "confirm <title>|<text>", "console
// <text>", "dialog <title>", "rescueFolder <path>"), in UTF-8. Timers run only when the test ticks them, and each tick
// comes its interval after the one before on the clocks; a timer still handling a tick misses the next ones,
// as Qt's do. It needs no Qt, and so has no text codec: QtRecordingPlatform
// adds the real one and Qt's event handling.
class RecordingPlatform : public PlatformServices {
public:
    explicit RecordingPlatform(std::filesystem::path programFolder);
    ~RecordingPlatform() override;

    std::filesystem::path programFolder() const override { return m_programFolder; }
    std::u16string executableName() const override { return u"pennoc"; }
    bool previousInstanceRunning() override { return previousInstance; }
    FileSystem& files() override { return fileSystem ? *fileSystem : m_files; }
    const TextCodec& textCodec() const override;
    const Clocks& clocks() const override { return fakeClocks; }
    std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                               std::function<void()> onTick) override;
    void playSound(const std::filesystem::path& file) override;
    void stopSound() override;
    void beep() override;
    DesktopNotifications& notifications() override {
        return notificationService ? *notificationService : desktopNotifications;
    }
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

    // Fires every running timer with this interval, `times` times over.
    void tick(std::chrono::milliseconds interval, int times = 1);
    bool timerRunning(std::chrono::milliseconds interval) const;
    int count(const std::string& callPrefix) const;

    std::vector<std::string> calls;
    RecordingNotifications desktopNotifications;
    // Called with each recorded call as it happens (to look at the disk at that moment, say).
    std::function<void(const std::string&)> onCall;
    FakeClocks fakeClocks;
    bool previousInstance = false;
    bool confirmAnswer = true;
    // Answers for the next file dialogs, in order; an empty deque answers "cancelled".
    std::deque<std::optional<std::filesystem::path>> dialogAnswers;
    std::vector<OpenFileRequest> dialogRequests;
    // Runs once, while the next modal dialog is open, as a person's time at a dialog, during which timers
    // go on: to tick them there, say.
    std::function<void()> whileDialogOpen;
    // Replaces the real file system (to make operations fail), when set.
    FileSystem* fileSystem = nullptr;
    // Replaces the recording notification list (with the desktop's), when set.
    DesktopNotifications* notificationService = nullptr;

protected:
    // Runs after each tick of `tick`.
    virtual void afterTick() {}

private:
    friend class FakeTimer;
    void record(std::string call);
    void keepDialogOpen();

    std::filesystem::path m_programFolder;
    LocalFileSystem m_files;
    std::vector<FakeTimer*> m_timers;
    int m_rescueFolders = 0;
};

std::string utf8(std::u16string_view text);
std::u16string utf16(std::string_view text);

} // namespace pennoc::test
