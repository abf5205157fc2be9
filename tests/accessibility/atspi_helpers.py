"""What the accessibility tests share: finding the program and its controls on the accessibility bus."""
import sys
import time

import pyatspi


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"not found: {what}")


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "pennoc":
            return app
    return None


def nodes(root):
    for child in root:
        if child is not None:
            yield child
            yield from nodes(child)
