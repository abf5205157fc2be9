#include "windows/PopupNotification.h"

#include "platform/DesktopNotifications.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace pennoc {

namespace {

class PopupNotification : public QObject {
public:
    PopupNotification(QWidget& popup, DesktopNotifications& notifications)
        : QObject(&popup)
        , m_popup(&popup)
        , m_notifications(notifications) {
        popup.installEventFilter(this);
        connect(&popup, &QWidget::windowTitleChanged, this, [this] {
            if (m_id) {
                m_notifications.update(*m_id, notice());
            }
        });
    }

    ~PopupNotification() override {
        if (m_id) {
            m_notifications.close(*m_id);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_popup && event->type() == QEvent::Show && !m_id) {
            send();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    DesktopNotifications::Notice notice() const { return {labelText("LblFormTitle"), labelText("LblMessage")}; }

    std::u16string labelText(const char* name) const {
        const auto* label = m_popup->findChild<QLabel*>(QLatin1String(name));
        return label != nullptr ? label->text().toStdU16String() : std::u16string();
    }

    void send() {
        // The window may be gone by the time the person answers the notification.
        const QPointer<QWidget> popup = m_popup;
        m_id = m_notifications.show(notice(), {[popup](const std::string& token) {
                                                   if (popup) {
                                                       bringForward(*popup, token);
                                                   }
                                               },
                                               [popup] {
                                                   if (popup) {
                                                       popup->close();
                                                   }
                                               }});
    }

    static void bringForward(QWidget& popup, const std::string& token) {
        // A Wayland compositor brings a window forward only with the desktop's token; Qt's Wayland plugin
        // takes it from here when the window asks to be activated. Elsewhere it would only leak to children.
        if (!token.empty() && QGuiApplication::platformName() == QLatin1String("wayland")) {
            qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
        }
        popup.raise();
        popup.activateWindow();
    }

    QWidget* m_popup;
    DesktopNotifications& m_notifications;
    std::optional<DesktopNotifications::Id> m_id;
};

} // namespace

void notifyAlongside(QWidget& popup, DesktopNotifications& notifications) {
    new PopupNotification(popup, notifications);
}

} // namespace pennoc
