#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QStringList>
#include <QVariantMap>
#include <functional>
#include <vector>

namespace pennoc::test {

// The desktop's notification service, our own: it takes the standard name on `bus` and records each call.
// It answers as a desktop does, or, told so, never answers at all. A notification the person acts on is taken
// away, as desktops do with notifications that are not resident.
class FakeNotificationService : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call {
        QString method;
        uint id = 0;
        QString appName;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = -1;
    };

    FakeNotificationService(QDBusConnection bus, bool answers);
    ~FakeNotificationService() override;

    // True once the service holds the standard name.
    bool registered() const { return m_registered; }
    // Calls of `method`, oldest first.
    std::vector<Call> callsOf(const QString& method) const;

    // The person presses an action's button (or the notification itself, for "default").
    void invokeAction(uint id, const QString& key, const QString& activationToken);
    // The person dismisses the notification in the list.
    void dismiss(uint id);

    std::vector<Call> calls;
    // Runs with each call as it comes.
    std::function<void(const Call&)> onCall;

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    void CloseNotification(uint id);
    QStringList GetCapabilities();

Q_SIGNALS:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString& actionKey);
    void ActivationToken(uint id, const QString& activationToken);

private:
    void record(Call call);

    QDBusConnection m_bus;
    bool m_answers;
    bool m_registered = false;
    uint m_lastId = 0;
};

} // namespace pennoc::test
