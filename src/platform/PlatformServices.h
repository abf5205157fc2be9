#pragma once

#include "platform/Console.h"
#include "platform/DesktopShell.h"
#include "platform/Dialogs.h"
#include "platform/SoundOutput.h"
#include "platform/Timers.h"

#include <filesystem>
#include <string>

namespace pennoc {

class Clocks;
class DesktopNotifications;
class FileSystem;
class TextCodec;

// Every effect the program has on the operating system, for the program's start and its main window; the
// rest of the program takes only the interfaces it uses. One real implementation per platform, and a
// recording stand-in for tests.
class PlatformServices : public Timers, public SoundOutput, public DesktopShell, public Dialogs, public Console {
public:
    // Folder of the running executable (links resolved), and the executable's name without extension.
    virtual std::filesystem::path programFolder() const = 0;
    virtual std::u16string executableName() const = 0;

    // True when another copy runs on the same data folder, or when that cannot be told (said to the
    // person first). The first copy to ask keeps the claim until it ends; a claim left by a killed copy does
    // not count.
    virtual bool previousInstanceRunning() = 0;

    virtual FileSystem& files() = 0;
    virtual const TextCodec& textCodec() const = 0;

    // The desktop's notification list; nothing reaches the desktop before the first notification.
    virtual DesktopNotifications& notifications() = 0;

    // The clocks reminders are timed by.
    virtual const Clocks& clocks() const = 0;

    // A new, empty folder with a name no folder had before, in a place that takes files when the program
    // folder does not (the user's runtime folder, else the temporary folder). Throws StorageError.
    virtual std::filesystem::path createRescueFolder() = 0;
};

} // namespace pennoc
