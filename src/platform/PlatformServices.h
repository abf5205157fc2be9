#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace pennoc {

class FileSystem;
class TextCodec;

// A repeating event on the interface thread; stopped when destroyed.
class PeriodicTimer {
public:
    virtual ~PeriodicTimer() = default;
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

struct OpenFileRequest {
    std::u16string title;
    std::u16string filterDescription;    // "wav波形声音文件"
    std::u16string filterPattern;        // "*.wav"
    std::filesystem::path initialFolder; // empty: the dialog's default
};

// Every effect the program has on the operating system goes through here, so the logic above it can be
// driven by a recording stand-in in tests. One real implementation per platform.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Folder of the running executable (links resolved), and the executable's name without extension.
    virtual std::filesystem::path programFolder() const = 0;
    virtual std::u16string executableName() const = 0;

    // True when another copy runs on the same data folder, or when that cannot be told (said to the
    // person first). The first copy to ask keeps the claim until it ends; a claim left by a killed copy does
    // not count.
    virtual bool previousInstanceRunning() = 0;

    virtual FileSystem& files() = 0;
    virtual const TextCodec& textCodec() const = 0;

    // The current time of day as "hh:mm" on the 24-hour clock.
    virtual std::u16string timeOfDay() const = 0;
    virtual std::unique_ptr<PeriodicTimer> createTimer(std::chrono::milliseconds interval,
                                                       std::function<void()> onTick) = 0;

    // Plays in the background and returns at once; failures are ignored.
    virtual void playSound(const std::filesystem::path& file) = 0;
    virtual void stopSound() = 0;
    virtual void beep() = 0;

    // Opens a file or program with its system handler; failures are ignored.
    virtual void openWithSystem(const std::u16string& target) = 0;
    // Starts a command line detached and hidden, without a shell; failures are ignored.
    virtual void startHiddenCommand(const std::u16string& commandLine) = 0;

    // Start-with-the-system registration of this executable; failures change nothing and are not reported.
    virtual void registerAutoRun() = 0;
    virtual void unregisterAutoRun() = 0;

    // A modal message with an error icon and an OK button.
    virtual void showErrorMessage(const std::u16string& title, const std::u16string& text) = 0;
    // A modal question with Yes and No buttons; true for Yes.
    virtual bool askToConfirm(const std::u16string& title, const std::u16string& text) = 0;
    // A modal open-file dialog; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const OpenFileRequest& request) = 0;
    // A new, empty folder with a name no folder had before, in a place that takes files when the program
    // folder does not (the user's runtime folder, else the temporary folder). Throws StorageError.
    virtual std::filesystem::path createRescueFolder() = 0;
    // A line on standard error, for failures that must not go unnoticed.
    virtual void reportToConsole(const std::u16string& text) = 0;
};

} // namespace pennoc
