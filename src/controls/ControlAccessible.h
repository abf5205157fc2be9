#pragma once

#include <QAccessibleWidget>

namespace pennoc {

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

} // namespace pennoc
