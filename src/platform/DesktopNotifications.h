#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace pennoc {

// The desktop's notification list. Every call returns at once: a notification that cannot be shown (no
// notification service, a slow or broken one) is left out silently, and nothing waits for the desktop.
class DesktopNotifications {
public:
    // Ours, not the desktop's: valid from show() on, even before the desktop has answered.
    using Id = std::uint64_t;

    struct Notice {
        std::u16string summary;
        std::u16string body;
    };

    // What the person does with a notification. `activated` gets the token that lets a window of ours come
    // to the front (empty when the desktop handed none over).
    struct Responses {
        std::function<void(const std::string& activationToken)> activated;
        std::function<void()> confirmed;
    };

    virtual ~DesktopNotifications() = default;

    // A notification that stays until it is confirmed, dismissed or closed, with one "确定" action.
    virtual Id show(const Notice& notice, Responses responses) = 0;
    // Changes the texts of a notification still shown.
    virtual void update(Id id, const Notice& notice) = 0;
    // Takes the notification away; its responses never run afterwards.
    virtual void close(Id id) = 0;
};

} // namespace pennoc
