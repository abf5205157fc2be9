#pragma once

#include "todo/TaskActionTarget.h"

#include <functional>

namespace pennoc {

class PlatformServices;

// Runs reminders' actions on the platform; the pop-up window is left to the function it is given.
class PlatformActionTarget : public TaskActionTarget {
public:
    using PopupFunction = std::function<void(const std::u16string& message, const std::u16string& title)>;

    PlatformActionTarget(PlatformServices& platform, PopupFunction showPopup);

    void showPopup(const std::u16string& message, const std::u16string& title) override;
    // Plays only an existing ordinary file (PlaySoundFile).
    void playSoundFile(const std::u16string& path) override;
    void startHiddenCommand(const std::u16string& commandLine) override;
    void openWithSystem(const std::u16string& target) override;

private:
    PlatformServices& m_platform;
    PopupFunction m_showPopup;
};

} // namespace pennoc
