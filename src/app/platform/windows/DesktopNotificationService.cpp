#include "app/platform/DesktopNotificationService.h"

namespace pennoc {

namespace {

// The pop-up window alone reminds here; its own beep and topmost place do what a notification would.
class NoNotifications : public DesktopNotifications {
public:
    Id show(const Notice&, Responses) override { return ++m_lastId; }
    void update(Id, const Notice&) override {}
    void close(Id) override {}

private:
    Id m_lastId = 0;
};

} // namespace

std::unique_ptr<DesktopNotifications> createDesktopNotifications(const char*) {
    return std::make_unique<NoNotifications>();
}

} // namespace pennoc
