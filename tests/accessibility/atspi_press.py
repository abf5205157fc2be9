"""Finds the program's controls on the accessibility bus by role and name and presses them.

Argument: the autostart folder the program registers itself in.
"""
import os
import sys

import pyatspi
from atspi_helpers import nodes, program, wait_for


def showing(app, role, name):
    """The one control with this role and name that is shown."""
    matching = [n for n in nodes(app) if n.getRoleName() == role and n.name == name
                and n.getState().contains(pyatspi.STATE_SHOWING)]
    return matching[0] if len(matching) == 1 else None


def press(app, role, name, action):
    control = wait_for(f"{role} {name}", lambda: showing(app, role, name))
    actions = control.queryAction()
    if actions.nActions == 0 or actions.getName(0) != action:
        sys.exit(f"{role} {name}: first action is not {action}")
    actions.doAction(0)
    return control


def rows(app, name):
    shown = showing(app, "list", name)
    return shown.childCount if shown is not None else -1


app = wait_for("the program", program)
press(app, "push button", "展开便笺列表", "Press")
wait_for("the open drawer", lambda: showing(app, "push button", "收起便笺列表"))
press(app, "push button", "添加", "Press")
# The drawer closes on the new note, and its list is no longer shown.
press(app, "push button", "展开便笺列表", "Press")
wait_for("a note in the list", lambda: rows(app, "便笺列表") == 1)

tab = press(app, "page tab", "待办", "Press")
wait_for("the to-do tab selected", lambda: tab.getState().contains(pyatspi.STATE_SELECTED))
press(app, "push button", "保存", "Press")
wait_for("a reminder in the list", lambda: rows(app, "待办列表") == 1)

switch = press(app, "check box", "开机自启动", "Toggle")
wait_for("the switch checked", lambda: switch.getState().contains(pyatspi.STATE_CHECKED))
entry = os.path.join(sys.argv[1], "pennoc.desktop")
wait_for("the autostart entry", lambda: os.path.exists(entry))
print("pressed 添加, 保存 and 开机自启动 through the accessibility bus")
