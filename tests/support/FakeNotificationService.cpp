#include "support/FakeNotificationService.h"

namespace pennoc::test {

namespace {

const QString kName = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr uint kDismissed = 2;
constexpr uint kClosedByCall = 3;

} // namespace

FakeNotificationService::FakeNotificationService(QDBusConnection bus, bool answers)
    : m_bus(std::move(bus))
    , m_answers(answers) {
    m_registered =
        m_bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
        m_bus.registerService(kName);
}

FakeNotificationService::~FakeNotificationService() {
    m_bus.unregisterService(kName);
    m_bus.unregisterObject(kPath);
}

std::vector<FakeNotificationService::Call> FakeNotificationService::callsOf(const QString& method) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
        if (call.method == method) {
            found.push_back(call);
        }
    }
    return found;
}

uint FakeNotificationService::Notify(const QString& appName, uint replacesId, const QString& appIcon,
                                     const QString& summary, const QString& body, const QStringList& actions,
                                     const QVariantMap& hints, int expireTimeout) {
    const uint id = replacesId != 0 ? replacesId : ++m_lastId;
    record({QStringLiteral("Notify"), id, appName, appIcon, summary, body, actions, hints, expireTimeout});
    if (!m_answers) {
        // The caller's answer never comes.
        setDelayedReply(true);
    }
    return id;
}

void FakeNotificationService::CloseNotification(uint id) {
    record({QStringLiteral("CloseNotification"), id, {}, {}, {}, {}, {}, {}, -1});
    Q_EMIT NotificationClosed(id, kClosedByCall);
}

void FakeNotificationService::record(Call call) {
    calls.push_back(std::move(call));
    if (onCall) {
        onCall(calls.back());
    }
}

QStringList FakeNotificationService::GetCapabilities() {
    return {QStringLiteral("actions"), QStringLiteral("body")};
}

void FakeNotificationService::invokeAction(uint id, const QString& key, const QString& activationToken) {
    Q_EMIT ActivationToken(id, activationToken);
    Q_EMIT ActionInvoked(id, key);
    Q_EMIT NotificationClosed(id, kDismissed);
}

void FakeNotificationService::dismiss(uint id) {
    Q_EMIT NotificationClosed(id, kDismissed);
}

} // namespace pennoc::test
