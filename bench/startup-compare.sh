#!/usr/bin/env bash
# Starts the program and the bare floor window in turn, several runs each under one X server, and prints the
# medians and ratios of: time from exec to the first visible window, resident and unique memory, threads and
# processor time (read once the window has shown and the program has settled). A benchmark, not a test.
# The program starts with NOTES notes of Chinese text in GB18030, as it writes them (none when not given).
# Usage: tests/support/on-own-x-server.sh bench/startup-compare.sh [RUNS] [build/bin] [NOTES]
# It needs an X server of its own without a window manager, and xev and xprop (x11-utils).
set -euo pipefail
runs=${1:-7}
bin=$(realpath "${2:-build/bin}")
folder=$(mktemp -d)
# A session's runtime folder lies in memory (/run/user/<uid>), so the single-instance lock written there costs
# no disk flush; one on the disk would time the disk, as busy as other programs make it.
runtime=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
running=""
# shellcheck disable=SC2086 # $running holds process ids
trap 'if [ -n "$running" ]; then kill $running 2>/dev/null || true; fi; rm -rf "$folder" "$runtime"' EXIT
cp "$bin/pennoc" "$bin/pennoc_sound.so" "$bin/pennoc_floor_window" "$folder/"
if [ "${3:-0}" -gt 0 ]; then
    mkdir -m 700 "$folder/Notes"
    python3 - "$folder/Notes" "$3" <<'NOTES'
import sys
line = "第{}条便笺：明天上午九点在三楼会议室开会，记得带上项目计划书、预算表和上周的会议纪要。\r\n"
for i in range(int(sys.argv[2])):
    with open(f"{sys.argv[1]}/{i}.txt", "wb") as note:
        note.write("".join(line.format(i) for _ in range(20)).encode("gb18030"))
NOTES
fi
export XDG_CONFIG_HOME=$folder/config XDG_RUNTIME_DIR=$runtime
chmod 700 "$XDG_RUNTIME_DIR"

# Prints: milliseconds from exec to the window's MapNotify, then, once settled, resident KiB, unique KiB, threads
# and the processor milliseconds spent so far, which a busy machine disturbs far less than the first. The window is
# watched through X events rather than by polling, so nothing else competes for the processor meanwhile; the
# first window mapped is the program's, since the X server shows nothing else.
measure() {
    local events=$folder/events line="" start pid watcher
    rm -f "$events"
    mkfifo "$events"
    stdbuf -oL xev -root -event substructure -event property >"$events" 2>/dev/null &
    watcher=$!
    running=$watcher
    exec 3<"$events"
    # A root property change that comes back shows that the watcher is listening.
    local tries=0
    until [[ $line == PropertyNotify* ]]; do
        if ! read -r -t 0.05 line <&3; then
            ((++tries < 200)) || { echo "xev does not listen to the X server" >&2; exit 1; }
            xprop -root -f _PENNOC_BENCH 8s -set _PENNOC_BENCH ready
        fi
    done
    start=${EPOCHREALTIME/./}
    "$folder/$1" >/dev/null 2>"$folder/$1.err" &
    pid=$!
    running="$watcher $pid"
    while [[ $line != MapNotify* ]]; do
        read -r -t 10 line <&3 || { echo "$1 showed no window:" >&2; cat "$folder/$1.err" >&2; exit 1; }
    done
    local ms=$(((${EPOCHREALTIME/./} - start) / 1000))
    kill "$watcher"
    exec 3<&-
    sleep 1
    local rss uss threads cpu
    rss=$(awk '/^Rss:/ {print $2}' "/proc/$pid/smaps_rollup")
    uss=$(awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s}' "/proc/$pid/smaps_rollup")
    threads=$(awk '/^Threads:/ {print $2}' "/proc/$pid/status")
    cpu=$(cat /proc/"$pid"/task/*/schedstat | awk '{s += $1} END {printf "%d", s / 1000000}')
    kill "$pid"
    wait "$pid" "$watcher" 2>/dev/null || true
    running=""
    echo "$ms $rss $uss $threads $cpu"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

for ((i = 1; i <= runs; i++)); do
    measure pennoc_floor_window >>"$folder/floor.txt"
    measure pennoc >>"$folder/pennoc.txt"
done

column() { awk -v c="$2" '{print $c}' "$folder/$1.txt" | median; }
printf '%-26s %10s %10s %8s\n' "median of $runs runs" floor pennoc ratio
for row in "1 first window (ms)" "2 resident (KiB)" "3 unique (KiB)" "4 threads" "5 processor (ms)"; do
    col=${row%% *}
    name=${row#* }
    f=$(column floor "$col")
    p=$(column pennoc "$col")
    printf '%-26s %10s %10s %8s\n' "$name" "$f" "$p" "$(awk -v a="$p" -v b="$f" 'BEGIN {printf "%.2f", a / b}')"
done
f=$(column floor 2)
p=$(column pennoc 2)
awk -v a="$p" -v b="$f" 'BEGIN {printf "resident memory above the floor: %.1f MiB\n", (a - b) / 1024}'
