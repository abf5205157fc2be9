#!/usr/bin/env bash
# Times the real program from its start until its window is visible, a few times over.
# Usage: bench/startup-time.sh [build/bin/pennoc] (run inside an X session, or under tests/support/on-own-x-server.sh).
set -euo pipefail
program=$(realpath "${1:-build/bin/pennoc}")
folder=$(mktemp -d)
pid=""
trap 'if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$folder"' EXIT
cp "$program" "$folder/pennoc"
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    XDG_CONFIG_HOME="$folder/config" "$folder/pennoc" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.005; done
    echo "run $run: window visible after $(( ($(date +%s%N) - start) / 1000000 )) ms"
    kill "$pid"
    wait "$pid" || true
    pid=""
done
