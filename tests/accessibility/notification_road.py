"""Enters a one-minute countdown pop-up reminder through the accessibility bus, waits for its pop-up and its
notification, and presses the pop-up's 确定: both go.

Argument: the log of the notification service (one line per call).
"""
import sys

import pyatspi
from atspi_helpers import nodes, program, wait_for


def shown(app, role, name):
    return [n for n in nodes(app) if n.getRoleName() == role and n.name == name
            and n.getState().contains(pyatspi.STATE_SHOWING)]


def press(control):
    control.queryAction().doAction(0)
    return control


def one(app, role, name):
    found = wait_for(f"{role} {name}", lambda: len(shown(app, role, name)) == 1 and shown(app, role, name))
    return found[0]


def topmost(controls):
    """The control highest in its window."""
    return min(controls, key=lambda c: c.queryComponent().getExtents(pyatspi.WINDOW_COORDS).y)


def type_into(field, text):
    field.queryEditableText().setTextContents(text)
    wait_for(f"{text} in {field.name}", lambda: field.queryText().getText(0, -1) == text)


def service_calls(method):
    with open(sys.argv[1], encoding="utf-8") as log:
        return [line.split(" ", 3)[1:] for line in log.read().splitlines() if line.startswith(method + " ")]


app = wait_for("the program", program)
tab = press(one(app, "page tab", "待办"))
wait_for("the to-do tab selected", lambda: tab.getState().contains(pyatspi.STATE_SELECTED))

# The time line's 更改 lies above the action line's.
press(topmost(wait_for("更改", lambda: shown(app, "push button", "更改"))))
press(one(app, "radio button", "以倒计时方式计时"))
type_into(one(app, "text", "分钟"), "01")
press(one(app, "push button", "应用"))
type_into(one(app, "text", "待办标题"), "e2e tea")
press(one(app, "push button", "保存"))

confirm = wait_for("the pop-up's 确定", lambda: shown(app, "push button", "确定"), seconds=120)[0]
notified = wait_for("the notification", lambda: service_calls("Notify"))
if len(notified) != 1 or notified[0][1:] != ["2", "待办|e2e tea|default,,confirm,确定"]:
    sys.exit(f"the notification sent: {notified}")
press(confirm)
wait_for("the pop-up gone", lambda: not shown(app, "push button", "确定"))
wait_for("the notification closed", lambda: [c[0] for c in service_calls("CloseNotification")] == [notified[0][0]])
print("a pop-up reminder and its notification, both closed by the pop-up's 确定")
