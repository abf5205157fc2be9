#!/usr/bin/env bash
# Installs the build into a temporary data folder as a user would, validates the menu entry and the AppStream
# metadata, starts the installed program and finds its data in the installed folder, and re-installs over a
# running copy and over a folder that holds notes without touching them.
# Usage: install-test.sh BUILD-FOLDER  (run on an X server of its own: tests/support/on-own-x-server.sh)
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
program_folder=$XDG_DATA_HOME/pennoc

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$XDG_DATA_HOME" >/dev/null
[ -x "$program_folder/pennoc" ] || fail "no executable in $program_folder"
[ -f "$program_folder/Sounds/SoftMusic/Canon.mid" ] || fail "no Sounds folder beside the executable"
[ -f "$XDG_DATA_HOME/icons/hicolor/scalable/apps/pennoc.svg" ] || fail "no theme icon"
desktop-file-validate "$XDG_DATA_HOME/applications/pennoc.desktop"
appstreamcli validate --no-net "$XDG_DATA_HOME/metainfo/io.pennoc.Pennoc.metainfo.xml" >/dev/null
grep -qx "Exec=\"$program_folder/pennoc\"" "$XDG_DATA_HOME/applications/pennoc.desktop" ||
    fail "the menu entry does not start the installed program"

wait_for() { # condition, seconds
    for _ in $(seq $((10 * $2))); do eval "$1" && return 0; sleep 0.1; done
    return 1
}

# Started once its window shows: by then it has read its folder, and it saves when told to end.
start() {
    "$program_folder/pennoc" &
    pid=$!
    wait_for 'xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 || ! kill -0 "$pid" 2>/dev/null' 30 &&
        kill -0 "$pid" 2>/dev/null || fail "the installed program showed no window"
}
stop() {
    kill -TERM "$pid"
    wait "$pid" || fail "the installed program ended with status $?"
    pid=
}

start
[ -f "$program_folder/AutoRun.sd" ] && [ -d "$program_folder/Notes" ] ||
    fail "the installed program kept no data in its folder"
stop
printf 'kept note\r\n' >"$program_folder/Notes/0.txt"
start
before=$(cd "$program_folder" && sha256sum AutoRun.sd Notes/0.txt)
# An older installed copy, so the install really replaces the running file instead of skipping it.
touch -d '2000-01-01' "$program_folder/pennoc"

cmake --install "$build" --prefix "$XDG_DATA_HOME" >/dev/null || fail "re-installing over a running copy failed"
kill -0 "$pid" || fail "re-installing ended the running copy"
[ "$(cd "$program_folder" && sha256sum AutoRun.sd Notes/0.txt)" = "$before" ] ||
    fail "re-installing touched the notes"

stop
grep -q 'kept note' "$program_folder/Notes/0.txt" || fail "the installed program did not read its notes from its folder"
saved=$(cd "$program_folder" && sha256sum AutoRun.sd Notes/0.txt)
cmake --install "$build" --prefix "$XDG_DATA_HOME" >/dev/null
[ "$(cd "$program_folder" && sha256sum AutoRun.sd Notes/0.txt)" = "$saved" ] ||
    fail "re-installing over a folder with notes touched them"
echo "install test passed"
