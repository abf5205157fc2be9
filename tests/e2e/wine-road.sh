#!/usr/bin/env bash
# The Windows program as a user unpacks it, under Wine: it starts and keeps its data beside itself, a second copy
# leaves at once, a Chinese note edited and a note added through the window are on disk in GB18030 with CR LF
# after the close box, the autostart switch writes and removes the Run value, and a one-minute countdown's pop-up
# shows and closes with "确定". Driven with xdotool; every wait is on what the program shows or writes.
# Usage: wine-road.sh PROGRAM-FOLDER  (on an X server of its own, tests/support/on-own-x-server.sh, with
# WINEPREFIX set to a prefix that wineboot has made)
set -euo pipefail
work=$(mktemp -d)
program=$work/Pennoc
wine=/usr/lib/wine/wine64
trap 'kill "${first:-}" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$1" "$program"
mkdir "$program/Notes"
printf '便笺\r\n' | iconv -f UTF-8 -t GB18030 >"$program/Notes/0.txt"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
wait_for() { # condition, seconds
    for _ in $(seq $((10 * $2))); do eval "$1" && return 0; sleep 0.1; done
    return 1
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
# Wine takes the pointer and the keyboard in order, so each press lands after the ones before it took effect.
click() { # window, x, y
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
type_into() { # window, text: replaces what the focused field held
    xdotool windowfocus --sync "$1" key ctrl+a
    xdotool type --delay 30 "$2"
}
run_value() {
    "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Run' /v pennoc >/dev/null 2>&1
}

"$wine" "$program/pennoc.exe" >"$work/first.log" 2>&1 &
first=$!
wait_for '[ -n "$(window_named "^Pennoc便笺$")" ] || ! kill -0 "$first" 2>/dev/null' 120 || true
window=$(window_named '^Pennoc便笺$')
[ -n "$window" ] || fail "the program showed no window: $(cat "$work/first.log")"
[ "$(cat "$program/AutoRun.sd")" = $'0\r' ] || fail "AutoRun.sd holds $(od -c "$program/AutoRun.sd")"

timeout 60 "$wine" "$program/pennoc.exe" || fail "a second copy ended with status $?"
kill -0 "$first" 2>/dev/null || fail "the first copy ended when the second started"
[ "$(xdotool search --onlyvisible --name '^Pennoc便笺$' | wc -l)" -eq 1 ] || fail "the second copy showed a window"

# Wine passes on no key that stands for a character outside the keyboard's layout, so the Chinese text comes
# from the file: the drawer's first row, opened with a double click, takes more text at its end. Then a note of
# its own through "添加".
click "$window" 21 270
xdotool mousemove --window "$window" 60 94 click --repeat 2 1
xdotool key ctrl+End
xdotool type --delay 30 " on Wine"
xdotool key Return
xdotool type --delay 30 "line two"
click "$window" 21 270
click "$window" 37 70
click "$window" 209 254
xdotool type --delay 30 "added"

# The autostart switch on the to-do page, on and off again.
click "$window" 93 38
click "$window" 121 462
wait_for run_value 20 || fail "the switch wrote no Run value"
click "$window" 121 462
wait_for '! run_value' 20 || fail "the switch left the Run value"

# A one-minute countdown, as MainWindowInput enters it in the Linux roads.
click "$window" 161 141
click "$window" 233 142
click "$window" 310 244
type_into "$window" 01
click "$window" 325 478
click "$window" 177 82
type_into "$window" "wine tea"
click "$window" 381 422
wait_for '[ -n "$(window_named "^待办：wine tea$")" ]' 150 || fail "no pop-up within 150 s of the countdown"
click "$(window_named '^待办：wine tea$')" 137 159
wait_for '[ -z "$(window_named "^待办：")" ]' 20 || fail "the pop-up stayed open after 确定"

click "$window" 415 10
wait_for '! kill -0 "$first" 2>/dev/null' 30 || fail "the close box did not end the program"
wait "$first" || fail "the program ended with status $?"
first=
expect_note() { # file, text as printf takes it
    local expected actual
    expected=$(printf "$2" | iconv -f UTF-8 -t GB18030 | od -An -tx1)
    actual=$(od -An -tx1 "$program/Notes/$1")
    [ "$actual" = "$expected" ] || fail "Notes/$1 holds $actual, not $expected"
}
expect_note 0.txt '便笺 on Wine\r\nline two\r\n'
expect_note 1.txt 'added\r\n'
echo "wine-road: passed"
