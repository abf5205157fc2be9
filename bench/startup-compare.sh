#!/usr/bin/env bash
# Starts the program and the bare floor window in turn, several runs each under one X server, and prints the
# medians and ratios of: time from exec to the first visible window, resident and unique memory, and threads
# (read once the window has shown and the program has settled). A benchmark, not a test.
# Usage: xvfb-run -a bench/startup-compare.sh [RUNS] [build/bin]
set -euo pipefail
runs=${1:-7}
bin=$(realpath "${2:-build/bin}")
folder=$(mktemp -d)
running=""
trap 'if [ -n "$running" ]; then kill "$running" 2>/dev/null || true; fi; rm -rf "$folder"' EXIT
cp "$bin/pennoc" "$bin/pennoc_sound.so" "$bin/pennoc_floor_window" "$folder/"
export XDG_CONFIG_HOME=$folder/config XDG_RUNTIME_DIR=$folder/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Prints: milliseconds to the first visible window, resident KiB, unique KiB, threads.
measure() {
    local start pid
    start=$(date +%s%N)
    "$folder/$1" >/dev/null 2>&1 &
    pid=$!
    running=$pid
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window" >&2; exit 1; }
        sleep 0.002
    done
    local ms=$((($(date +%s%N) - start) / 1000000))
    sleep 1
    local rss uss threads
    rss=$(awk '/^Rss:/ {print $2}' "/proc/$pid/smaps_rollup")
    uss=$(awk '/^Private_(Clean|Dirty):/ {s += $2} END {print s}' "/proc/$pid/smaps_rollup")
    threads=$(awk '/^Threads:/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    running=""
    echo "$ms $rss $uss $threads"
}

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

for ((i = 1; i <= runs; i++)); do
    measure pennoc_floor_window >>"$folder/floor.txt"
    measure pennoc >>"$folder/pennoc.txt"
done

column() { awk -v c="$2" '{print $c}' "$folder/$1.txt" | median; }
printf '%-26s %10s %10s %8s\n' "median of $runs runs" floor pennoc ratio
for spec in "1 first window (ms)" "2 resident (KiB)" "3 unique (KiB)" "4 threads"; do
    col=${spec%% *}
    name=${spec#* }
    f=$(column floor "$col")
    p=$(column pennoc "$col")
    printf '%-26s %10s %10s %8s\n' "$name" "$f" "$p" "$(awk -v a="$p" -v b="$f" 'BEGIN {printf "%.2f", a / b}')"
done
f=$(column floor 2)
p=$(column pennoc 2)
echo "resident memory above the floor: $(((${p%.*} - ${f%.*}) / 1024)) MiB"
