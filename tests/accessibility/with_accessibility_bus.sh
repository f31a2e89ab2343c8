#!/usr/bin/env bash
# Runs a command on an X server of its own with a private session bus and
# accessibility bus, Qt's accessibility bridge on: the events a screen
# reader would get are then really sent.
# usage: with_accessibility_bus.sh COMMAND...
set -euo pipefail
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
exec bash "$(dirname "$0")/../support/x_server.sh" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  rc=0
  "$@" || rc=$?
  kill "$launcher" 2>/dev/null || true
  exit "$rc"' run "$@"
