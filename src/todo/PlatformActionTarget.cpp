#include "todo/PlatformActionTarget.h"

#include "app/PlatformServices.h"
#include "todo/Sound.h"

namespace pennoc {

PlatformActionTarget::PlatformActionTarget(PlatformServices& platform, PopupFunction showPopup)
    : m_platform(platform)
    , m_showPopup(std::move(showPopup)) {}

void PlatformActionTarget::showPopup(const std::u16string& message, const std::u16string& title) {
    m_showPopup(message, title);
}

void PlatformActionTarget::playSoundFile(const std::u16string& path) {
    PlaySoundFile(m_platform, path);
}

void PlatformActionTarget::startHiddenCommand(const std::u16string& commandLine) {
    m_platform.startHiddenCommand(commandLine);
}

void PlatformActionTarget::openWithSystem(const std::u16string& target) {
    m_platform.openWithSystem(target);
}

} // namespace pennoc
