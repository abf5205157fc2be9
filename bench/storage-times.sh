#!/usr/bin/env bash
# Prints the storage's times against their targets: the real program ending with 500 unchanged notes (from
# SIGTERM to its end, Qt's teardown included), then the storage's own work on that same folder (the save with
# nothing changed is all an exit stores; target 50 ms), then on 10,000 and 100,000 notes with one edit
# (targets 100 ms and 1 s). Each of those also prints the start against a plain read-and-decode loop of the same
# files, timed in turns in the same run (target: 1.5 at most for 10,000 notes). A benchmark, not a test: figures
# on a busy machine vary.
# Usage: bench/storage-times.sh [build/bin] (needs xvfb-run and xdotool for the first figure).
set -euo pipefail

# One run of the program in a prepared folder, on the X server that xvfb-run started for it.
if [ "${1:-}" = --exit-once ]; then
    XDG_CONFIG_HOME="$2/config" QT_QPA_PLATFORM=xcb "$2/pennoc" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    start=$(date +%s%N)
    kill -TERM "$pid"
    wait "$pid" || true
    echo "500 unchanged notes: from SIGTERM to the program's end $(( ($(date +%s%N) - start) / 1000000 )) ms"
    exit 0
fi

bin=$(realpath "${1:-build/bin}")
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

# 500 notes of about 6 KB each (3 MB), none changed before the end.
mkdir -p "$folder/Notes"
cp "$bin/pennoc" "$bin/pennoc_sound.so" "$folder/"
line='第一条便笺，some text to make it long enough to count. '
for i in $(seq 0 499); do
    for _ in $(seq 1 100); do printf '%s\r\n' "$line"; done >"$folder/Notes/$i.txt"
done
for _ in 1 2 3; do
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --exit-once "$folder"
done

echo "the storage's work on the same 500 notes:"
"$bin/pennoc_note_save_times" 500 "$folder"
"$bin/pennoc_note_save_times" 10000
"$bin/pennoc_note_save_times" 100000
echo "targets: exit with 500 unchanged notes within 50 ms of storage work; one edited among 10,000 within 100 ms;"
echo "100,000 with one edit within 1 s; a start with 10,000 notes within 1.5 times the plain read-and-decode loop"
