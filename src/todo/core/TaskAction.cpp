#include "todo/core/TaskAction.h"

#include "platform/DesktopShell.h"
#include "platform/SoundOutput.h"

#include <filesystem>

namespace pennoc {

TaskAction TaskAction::read(std::u16string_view stored) {
    if (stored.empty()) {
        return {};
    }
    const char16_t first = stored.front();
    Type type = Type::Popup;
    for (const Kind& kind : kKinds) {
        if (kind.digit == first) {
            type = kind.type;
        }
    }
    if (first >= u'4' && first <= u'9') {
        type = Type::None;
    }
    return {type, std::u16string(stored.substr(1))};
}

std::optional<TaskAction::Type> TaskAction::typeOfCaption(std::u16string_view caption) {
    for (const Kind& kind : kKinds) {
        if (kind.caption == caption) {
            return kind.type;
        }
    }
    return std::nullopt;
}

std::u16string_view TaskAction::captionOf(Type type) {
    for (const Kind& kind : kKinds) {
        if (kind.type == type) {
            return kind.caption;
        }
    }
    return kKinds.front().caption;
}

std::u16string TaskAction::stored() const {
    char16_t digit = kKinds.front().digit;
    for (const Kind& kind : kKinds) {
        if (kind.type == type) {
            digit = kind.digit;
        }
    }
    std::u16string text(1, digit);
    return text.append(payload);
}

bool TaskAction::run(DesktopShell& shell, SoundOutput& sound, const ShowPopup& showPopup) const {
    switch (type) {
    case Type::Popup:
        showPopup(payload, std::u16string(kPopupTitle));
        return true;
    case Type::PlaySound:
        playSoundFile(sound, payload);
        break;
    case Type::HiddenCommand:
        if (payload == kShutdownCommand) {
            shell.powerOff();
        } else if (payload == kSleepCommand) {
            shell.suspend();
        } else {
            shell.startHiddenCommand(payload);
        }
        break;
    case Type::OpenWithSystem:
        shell.openWithSystem(payload);
        break;
    case Type::None:
        break;
    }
    return false;
}

void TaskAction::playSoundFile(SoundOutput& sound, std::u16string_view path) {
    std::filesystem::path file;
    try {
        file = std::filesystem::path(path);
    } catch (const std::filesystem::filesystem_error&) {
        // Text with no spelling in the system's file names (a lone surrogate) names no file.
        return;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error)) {
        sound.playSound(file);
    }
}

} // namespace pennoc
