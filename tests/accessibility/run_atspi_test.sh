#!/usr/bin/env bash
# Runs the main program on a real X server with Qt's accessibility bridge on
# a private accessibility bus, and a screen-reader client against it.
# usage: run_atspi_test.sh PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A folder of its own: the program keeps its files beside itself.
cp "$1" "$work/Quintrela"
# The last day of the period is the next start, as in the worked example.
printf '\377\377' > "$work/qtrconf.dat"
export HOME="$work" XDG_RUNTIME_DIR="$work"
exec bash "$here/../support/x_server.sh" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$1" &
  program=$!
  rc=0
  /usr/bin/python3 "$2" || rc=$?
  kill "$program" "$launcher" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  exit "$rc"' run "$work/Quintrela" "$here/atspi_consultation.py"
