#!/usr/bin/env bash
# Runs a command on an X server of its own. The server picks its display
# itself (-displayfd), so two tests started at once, or another X server on
# the machine, never end up sharing one, as xvfb-run -a can.
# usage: x_server.sh COMMAND...
set -euo pipefail
fifo="$(mktemp -u)"
mkfifo -m 600 "$fifo"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$fifo" >/dev/null 2>&1 &
server=$!
# -noreset: the accessibility bus launcher connects and leaves first; the
# reset that follows the last client leaving refused the program's own
# connection now and then ("could not connect to display").
# Waited for: a server still going down removes its socket after the next
# one has taken the same display, which then no client can reach.
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -f "$fifo"' EXIT
display=""
read -r -t 30 display <"$fifo" || true
[ -n "$display" ] || { echo "x_server.sh: Xvfb did not start" >&2; exit 1; }
rc=0
DISPLAY=":$display" "$@" || rc=$?
exit "$rc"
