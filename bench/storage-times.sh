#!/usr/bin/env bash
# Prints the storage's times against their targets: the real program ending with 500 unchanged notes (SIGTERM
# to exit, which is all save; target 50 ms), then the storage alone on 10,000 and 100,000 notes with one edit
# (targets 100 ms and 1 s). A benchmark, not a test: figures on a busy machine vary.
# Usage: bench/storage-times.sh [build/bin] (needs xvfb-run and xdotool for the first figure).
set -euo pipefail
bin=$(realpath "${1:-build/bin}")
folder=$(mktemp -d)
pid=""
trap 'if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$folder"' EXIT

# The real program's exit with 500 notes of about 6 KB each (3 MB), none changed.
program=$folder/program
mkdir -p "$program/Notes"
cp "$bin/pennoc" "$bin/pennoc_sound.so" "$program/"
line=$(printf '第%03d条便笺，some text to make it long enough. ' 0)
for i in $(seq 0 499); do
    for _ in $(seq 1 100); do printf '%s\r\n' "$line"; done >"$program/Notes/$i.txt"
done
exit_time() {
    XDG_CONFIG_HOME="$folder/config" QT_QPA_PLATFORM=xcb "$program/pennoc" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
    local start
    start=$(date +%s%N)
    kill -TERM "$pid"
    wait "$pid" || true
    pid=""
    echo "500 unchanged notes: exit took $(( ($(date +%s%N) - start) / 1000000 )) ms (target: 50 ms of storage work)"
}
export -f exit_time
export folder program
for run in 1 2 3; do
    xvfb-run -a -s "-screen 0 1024x768x24" bash -c exit_time
done

"$bin/pennoc_note_save_times" 10000
"$bin/pennoc_note_save_times" 100000
echo "targets: one edited among 10,000 within 100 ms; 100,000 with one edit within 1 s"
