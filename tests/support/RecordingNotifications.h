#pragma once

#include "platform/DesktopNotifications.h"

#include <map>

namespace pennoc::test {

// The desktop's notification list as a test sees it: what is shown now, and how many were ever sent.
class RecordingNotifications : public DesktopNotifications {
public:
    Id show(const Notice& notice, Responses) override {
        shown[++sent] = notice;
        return sent;
    }
    void update(Id id, const Notice& notice) override {
        if (shown.count(id) != 0) {
            shown[id] = notice;
        }
    }
    void close(Id id) override { shown.erase(id); }

    std::map<Id, Notice> shown;
    Id sent = 0;
};

} // namespace pennoc::test
