#pragma once

#include <string>

namespace pennoc {

// What a reminder's action can do. Every call returns at once; failures are ignored.
class TaskActionTarget {
public:
    virtual ~TaskActionTarget() = default;

    // Opens the pop-up window with the message; it stays open after the call until the user closes it.
    virtual void showPopup(const std::u16string& message, const std::u16string& title) = 0;
    virtual void playSoundFile(const std::u16string& path) = 0;
    virtual void startHiddenCommand(const std::u16string& commandLine) = 0;
    virtual void openWithSystem(const std::u16string& target) = 0;
};

} // namespace pennoc
