#pragma once

#include "platform/DesktopNotifications.h"

#include <map>
#include <vector>

namespace pennoc::test {

// The desktop's notification list as a test sees it: what is shown now, and the person's presses on it.
// As on a real desktop, a notification that was closed or confirmed answers nothing more.
class RecordingNotifications : public DesktopNotifications {
public:
    Id show(const Notice& notice, Responses responses) override {
        const Id id = ++m_lastId;
        shown[id] = notice;
        m_responses[id] = std::move(responses);
        ++sent;
        return id;
    }

    void update(Id id, const Notice& notice) override {
        if (shown.count(id) != 0) {
            shown[id] = notice;
        }
    }

    void close(Id id) override {
        shown.erase(id);
        m_responses.erase(id);
    }

    // The person presses "确定" on the notification; the desktop takes it away.
    void confirm(Id id) {
        const Responses responses = take(id);
        if (responses.confirmed) {
            responses.confirmed();
        }
    }

    // The person clicks the notification itself; the desktop takes it away.
    void activate(Id id, const std::string& token) {
        const Responses responses = take(id);
        if (responses.activated) {
            responses.activated(token);
        }
    }

    std::map<Id, Notice> shown;
    int sent = 0;

private:
    Responses take(Id id) {
        Responses responses;
        if (auto found = m_responses.find(id); found != m_responses.end()) {
            responses = std::move(found->second);
            m_responses.erase(found);
        }
        shown.erase(id);
        return responses;
    }

    Id m_lastId = 0;
    std::map<Id, Responses> m_responses;
};

} // namespace pennoc::test
