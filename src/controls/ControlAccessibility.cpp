#include "controls/ControlAccessibility.h"

#include "controls/ClickableLabel.h"
#include "controls/PictureBox.h"
#include "controls/SButton.h"
#include "controls/SSwitch.h"

#include <QAccessibleEvent>
#include <QAccessibleWidget>
#include <QApplication>
#include <QWidget>

namespace pennoc {

namespace {

const char* const kRoleProperty = "pennocAccessibleRole";

// The accessible side of a ClickableLabel, PictureBox, SButton or SSwitch: its role and name, the chosen state
// of tabs, choices and the switch, and one action (press, or toggle for a check box or radio button) that does
// what a left click on the control does, whenever a click could reach it: shown, enabled and not behind a
// modal window. An SButton or SSwitch draws its caption and knob with child widgets, which it keeps to itself.
class ControlAccessible : public QAccessibleWidget {
public:
    explicit ControlAccessible(QWidget* control);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    bool hasParts() const;
    bool isChosen() const;
    QString clickAction() const;
    bool canBeClicked() const;
    void click() const;
};

ControlAccessible::ControlAccessible(QWidget* control)
    : QAccessibleWidget(control) {}

QAccessible::Role ControlAccessible::role() const {
    const QAccessible::Role marked = markedAccessibleRole(widget());
    if (marked != QAccessible::NoRole) {
        return marked;
    }
    if (qobject_cast<const SSwitch*>(widget())) {
        return QAccessible::CheckBox;
    }
    if (qobject_cast<const ClickableLabel*>(widget()) || qobject_cast<const SButton*>(widget())) {
        return QAccessible::PushButton;
    }
    return QAccessible::Client;
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    switch (role()) {
    case QAccessible::PageTab:
        state.selectable = true;
        state.selected = isChosen();
        break;
    case QAccessible::RadioButton:
        state.checkable = true;
        state.checked = isChosen();
        break;
    case QAccessible::CheckBox:
        if (const auto* toggle = qobject_cast<const SSwitch*>(widget())) {
            state.checkable = true;
            state.checked = toggle->Value();
            state.disabled = state.disabled || !toggle->Enabled();
        }
        break;
    default:
        break;
    }
    return state;
}

QString ControlAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        // Captions are padded with spaces to look right; the padding is not part of the name.
        if (const auto* label = qobject_cast<const ClickableLabel*>(widget()); label && !label->text().isEmpty()) {
            return label->text().trimmed();
        }
        if (const auto* button = qobject_cast<const SButton*>(widget())) {
            return button->Caption().trimmed();
        }
    }
    return QAccessibleWidget::text(t);
}

int ControlAccessible::childCount() const {
    return hasParts() ? 0 : QAccessibleWidget::childCount();
}

QAccessibleInterface* ControlAccessible::child(int index) const {
    return hasParts() ? nullptr : QAccessibleWidget::child(index);
}

int ControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return hasParts() ? -1 : QAccessibleWidget::indexOfChild(child);
}

QStringList ControlAccessible::actionNames() const {
    QStringList names;
    if (canBeClicked()) {
        names << clickAction();
    }
    return names + QAccessibleWidget::actionNames();
}

void ControlAccessible::doAction(const QString& actionName) {
    if (actionName.isEmpty() || actionName != clickAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (canBeClicked()) {
        click();
    }
}

bool ControlAccessible::hasParts() const {
    return qobject_cast<const SButton*>(widget()) || qobject_cast<const SSwitch*>(widget());
}

bool ControlAccessible::isChosen() const {
    // The chosen label of a group is the underlined one; the program itself reads the choice so.
    return widget()->font().underline();
}

QString ControlAccessible::clickAction() const {
    switch (role()) {
    case QAccessible::PushButton:
    case QAccessible::PageTab:
        return pressAction();
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
        return toggleAction();
    default:
        return QString();
    }
}

bool ControlAccessible::canBeClicked() const {
    const QWidget* control = widget();
    if (clickAction().isEmpty() || !control->isVisible() || !control->isEnabled()) {
        return false;
    }
    if (const auto* toggle = qobject_cast<const SSwitch*>(control); toggle && !toggle->Enabled()) {
        return false;
    }
    // A modal window takes the mouse from every other window; it takes their actions as well.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != control->window()) {
        return false;
    }
    // Nor does an action reach a control that the pointer could not: slid away with a closed drawer, or under
    // a panel.
    const QWidget* window = control->window();
    const QWidget* under = window->childAt(control->mapTo(window, control->rect().center()));
    return under && (under == control || control->isAncestorOf(under));
}

void ControlAccessible::click() const {
    // The same signal a left click emits, so the action runs exactly the click's handler.
    QWidget* control = widget();
    if (auto* label = qobject_cast<ClickableLabel*>(control)) {
        Q_EMIT label->clicked();
    } else if (auto* picture = qobject_cast<PictureBox*>(control)) {
        Q_EMIT picture->clicked();
    } else if (auto* button = qobject_cast<SButton*>(control)) {
        Q_EMIT button->Click();
    } else if (auto* toggle = qobject_cast<SSwitch*>(control)) {
        toggle->click();
    }
}

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
