#!/bin/sh
# The real program read and pressed through the accessibility bus, as a screen reader does. Run under
# an X server of its own (tests/support/on-own-x-server.sh); it starts its own session bus and accessibility bus. Argument: the build folder.
set -eu
if [ "${PENNOC_IN_SESSION:-}" != 1 ]; then
    PENNOC_IN_SESSION=1 exec dbus-run-session -- "$0" "$1"
fi
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
bus=
program=
finish() {
    # The program saves as it ends; its folder goes only after it has.
    for pid in $program $bus; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
mkdir -p "$work/program" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/bin/pennoc" "$work/program/"

/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/program/pennoc" &
program=$!
/usr/bin/python3 "$here/atspi_press.py" "$work/config/autostart"
