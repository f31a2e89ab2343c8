#!/usr/bin/env bash
# Installs what is needed, builds, and starts the main program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
program=build/Quintrela/Quintrela
[ -x "$program" ] || program=build/Quintrela/qtrconfg
exec "$program"
