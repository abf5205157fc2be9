#!/bin/sh
# A one-minute pop-up reminder entered through the accessibility bus reaches our notification service, and
# 确定 pressed on the pop-up takes the pop-up and the notification away. The real program runs on an X server
# or as a native client of a headless Wayland compositor, each started here on a display of its own.
# Arguments: x11|wayland, the program, the notification service.
set -eu
if [ "${PENNOC_IN_SESSION:-}" != 1 ]; then
    PENNOC_IN_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi
session=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
started=
finish() {
    # Newest first: the program saves as it ends, before its display and buses go.
    for pid in $started; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
start() {
    "$@" &
    started="$! $started"
}
wait_for() { # what, condition
    for _ in $(seq 300); do
        eval "$2" && return 0
        sleep 0.1
    done
    echo "not found: $1" >&2
    exit 1
}

mkdir -p "$work/program" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$2" "$(dirname "$2")/pennoc_sound.so" "$work/program/"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"

start sh -c 'exec "$0" >"$1"' "$3" "$work/service.log"
wait_for "the notification service" "grep -qx ready '$work/service.log'"

case $session in
x11)
    start sh -c 'exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$0"' "$work/display"
    wait_for "the X server" "[ -s '$work/display' ]"
    export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    ;;
wayland)
    # A socket name of this run's own, so that no other compositor's socket is ever taken for ours.
    socket=wayland-$(basename "$work")
    start sh -c 'exec weston --backend=headless-backend.so --socket="$1" --width=1024 --height=768 \
        --idle-time=0 >"$0" 2>&1' "$work/weston.log" "$socket"
    wait_for "the Wayland compositor" "[ -S '$work/runtime/$socket' ]"
    export WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland
    unset DISPLAY
    ;;
*)
    echo "usage: $0 x11|wayland PROGRAM SERVICE" >&2
    exit 2
    ;;
esac

start /usr/libexec/at-spi-bus-launcher --launch-immediately
start env QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/program/pennoc"
/usr/bin/python3 "$here/notification_road.py" "$work/service.log"
