// Desktop notifications through the session bus's notification service (org.freedesktop.Notifications).
#include "app/platform/DesktopNotificationService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <map>
#include <optional>

namespace pennoc {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// Clicking the notification itself invokes the "default" action.
const QString kActivateKey = QStringLiteral("default");
const QString kConfirmKey = QStringLiteral("confirm");
const QString kConfirmLabel = QStringLiteral("确定");
constexpr unsigned char kCriticalUrgency = 2;
constexpr int kNeverExpires = 0;

bool sessionBusKnown() {
    // Without either, libdbus would launch a bus of its own through the X server, which takes seconds.
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

class BusNotifications : public QObject, public DesktopNotifications {
    Q_OBJECT

public:
    explicit BusNotifications(const char* entryName)
        : m_entryName(QString::fromUtf8(entryName)) {}

    Id show(const Notice& notice, Responses responses) override {
        const Id id = ++m_lastId;
        if (connectBus()) {
            m_shown[id].responses = std::move(responses);
            send(id, 0, notice);
        }
        return id;
    }

    void update(Id id, const Notice& notice) override {
        const auto found = m_shown.find(id);
        if (found == m_shown.end()) {
            return;
        }
        if (found->second.serverId == 0) {
            found->second.pendingUpdate = notice;
        } else {
            send(id, found->second.serverId, notice);
        }
    }

    void close(Id id) override {
        const auto found = m_shown.find(id);
        if (found == m_shown.end()) {
            return;
        }
        // Not yet known: the answer to Notify closes it when it comes.
        if (found->second.serverId != 0) {
            closeOnServer(found->second.serverId);
        }
        m_shown.erase(found);
    }

private Q_SLOTS:
    void onActivationToken(uint serverId, const QString& token) {
        if (Shown* shown = byServerId(serverId)) {
            shown->activationToken = token.toStdString();
        }
    }

    void onActionInvoked(uint serverId, const QString& key) {
        Shown* shown = byServerId(serverId);
        if (shown == nullptr) {
            return;
        }
        // A response may close the notification, and so drop what it runs from.
        if (key == kConfirmKey && shown->responses.confirmed) {
            const auto confirmed = shown->responses.confirmed;
            confirmed();
        } else if (key == kActivateKey && shown->responses.activated) {
            const auto activated = shown->responses.activated;
            activated(shown->activationToken);
        }
    }

    // Dismissed in the list, expired or closed by us: nothing more comes from it.
    void onClosed(uint serverId, uint) {
        std::erase_if(m_shown, [serverId](const auto& entry) { return entry.second.serverId == serverId; });
    }

private:
    struct Shown {
        uint serverId = 0;
        Responses responses;
        std::string activationToken;
        std::optional<Notice> pendingUpdate;
    };

    bool connectBus() {
        if (!m_bus && !m_busTried) {
            m_busTried = true;
            if (!sessionBusKnown()) {
                return false;
            }
            QDBusConnection bus = QDBusConnection::sessionBus();
            if (!bus.isConnected()) {
                return false;
            }
            // Any sender: naming the service would make Qt ask the bus for its owner and wait for the answer.
            bus.connect(QString(), kPath, kInterface, QStringLiteral("ActivationToken"), this,
                        SLOT(onActivationToken(uint, QString)));
            bus.connect(QString(), kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                        SLOT(onActionInvoked(uint, QString)));
            bus.connect(QString(), kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                        SLOT(onClosed(uint, uint)));
            m_bus = bus;
        }
        return m_bus.has_value();
    }

    void send(Id id, uint replacesId, const Notice& notice) {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
        const QVariantMap hints{{QStringLiteral("urgency"), QVariant::fromValue(kCriticalUrgency)},
                                {QStringLiteral("desktop-entry"), m_entryName}};
        call << m_entryName << replacesId << m_entryName << QString::fromStdU16String(notice.summary)
             << QString::fromStdU16String(notice.body)
             << QStringList{kActivateKey, QString(), kConfirmKey, kConfirmLabel} << hints << kNeverExpires;
        auto* watcher = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, id](QDBusPendingCallWatcher* answer) {
            answer->deleteLater();
            const QDBusPendingReply<uint> reply = *answer;
            if (reply.isError()) {
                return;
            }
            const auto found = m_shown.find(id);
            if (found == m_shown.end()) {
                closeOnServer(reply.value());
                return;
            }
            found->second.serverId = reply.value();
            if (found->second.pendingUpdate) {
                const Notice notice = *found->second.pendingUpdate;
                found->second.pendingUpdate.reset();
                send(id, found->second.serverId, notice);
            }
        });
    }

    void closeOnServer(uint serverId) {
        QDBusMessage call =
            QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("CloseNotification"));
        call << serverId;
        m_bus->asyncCall(call);
    }

    Shown* byServerId(uint serverId) {
        for (auto& [id, shown] : m_shown) {
            if (serverId != 0 && shown.serverId == serverId) {
                return &shown;
            }
        }
        return nullptr;
    }

    QString m_entryName;
    std::optional<QDBusConnection> m_bus;
    bool m_busTried = false;
    Id m_lastId = 0;
    std::map<Id, Shown> m_shown;
};

} // namespace

std::unique_ptr<DesktopNotifications> createDesktopNotifications(const char* entryName) {
    return std::make_unique<BusNotifications>(entryName);
}

} // namespace pennoc

#include "DesktopNotificationService.moc"
