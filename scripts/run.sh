#!/usr/bin/env bash
# Installs what is needed, builds, and starts the main program. Run with
# sudo, it installs as root but builds and starts as the user who called
# sudo: her records must be hers, never root's.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --run
as_her=()
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  her_home="$(getent passwd "$SUDO_USER" | cut -d: -f6)"
  as_her=(runuser -u "$SUDO_USER" -- env HOME="$her_home" USER="$SUDO_USER" LOGNAME="$SUDO_USER")
fi
"${as_her[@]}" bash scripts/build.sh -DQUINTRELA_TESTS=OFF -DQUINTRELA_BENCH=OFF
program=build/Quintrela/Quintrela
[ -x "$program" ] || program=build/Quintrela/qtrconfg
exec "${as_her[@]}" "$program"
