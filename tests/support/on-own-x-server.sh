#!/bin/sh
# Runs a command on an X server of its own, on a display the server picks itself, so that tests started
# together never share or race for one. The server never resets: a reset when one test's program leaves
# refuses or drops the next one's connection. Usage: on-own-x-server.sh COMMAND [ARGUMENT...]
set -eu
ready=$(mktemp -u)
mkfifo "$ready"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$ready" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT
# The server writes the display's number once it accepts clients.
read -r display <"$ready"
rm -f "$ready"
[ -n "$display" ] || { echo "the X server did not start" >&2; exit 1; }
status=0
DISPLAY=:$display "$@" || status=$?
exit "$status"
