#pragma once

#include <string>

namespace pennoc {

// What the desktop starts for the program: files, programs, the program itself at log-in, and the machine's
// power. Every call returns at once; failures are ignored and change nothing.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    // Opens a file or program with its system handler.
    virtual void openWithSystem(const std::u16string& target) = 0;
    // Starts a command line detached and hidden, without a shell.
    virtual void startHiddenCommand(const std::u16string& commandLine) = 0;

    // Start-with-the-system registration of this executable.
    virtual void registerAutoRun() = 0;
    virtual void unregisterAutoRun() = 0;

    virtual void powerOff() = 0;
    virtual void suspend() = 0;
};

} // namespace pennoc
