#pragma once

#include <QAccessible>

class QWidget;

namespace pennoc {

// What assistive tools (screen readers, the accessibility bus) see of the program's own controls.
//
// A ClickableLabel is a push button unless marked otherwise; a PictureBox is a plain area unless marked as a
// push button; an SButton is a push button and an SSwitch a check box. A label marked as a page tab or a radio
// button is selected or checked while it shows as the chosen one of its group (underlined).
void installControlAccessibility();

// Marks a ClickableLabel or a PictureBox with the role assistive tools show for it.
void setAccessibleRole(QWidget* control, QAccessible::Role role);
// The role a builder marked the control with; QAccessible::NoRole when it was not marked.
QAccessible::Role markedAccessibleRole(const QWidget* control);

// Tells assistive tools that a tab's, choice's or switch's chosen state may have changed.
void announceChosenState(QWidget* control);

} // namespace pennoc
