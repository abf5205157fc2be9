#include "controls/ControlAccessibility.h"

#include "controls/ClickableLabel.h"
#include "controls/ControlAccessible.h"
#include "controls/PictureBox.h"
#include "controls/SButton.h"
#include "controls/SSwitch.h"

#include <QAccessibleEvent>
#include <QWidget>

namespace pennoc {

namespace {

const char* const kRoleProperty = "pennocAccessibleRole";

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    if (qobject_cast<ClickableLabel*>(object) || qobject_cast<PictureBox*>(object) || qobject_cast<SButton*>(object) ||
        qobject_cast<SSwitch*>(object)) {
        return new ControlAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

} // namespace

void installControlAccessibility() {
    QAccessible::installFactory(&controlInterface);
}

void setAccessibleRole(QWidget* control, QAccessible::Role role) {
    control->setProperty(kRoleProperty, static_cast<int>(role));
}

QAccessible::Role markedAccessibleRole(const QWidget* control) {
    const QVariant role = control->property(kRoleProperty);
    return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : QAccessible::NoRole;
}

void announceChosenState(QWidget* control) {
    const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible) {
        return;
    }
    // The accessibility bus reports a tab's selection through a selection event, a check through a state change.
    if (accessible->role() == QAccessible::PageTab) {
        QAccessibleEvent selection(control, QAccessible::Selection);
        QAccessible::updateAccessibility(&selection);
    } else if (accessible->state().checkable) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent check(control, changed);
        QAccessible::updateAccessibility(&check);
    }
}

} // namespace pennoc
