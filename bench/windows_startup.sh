#!/usr/bin/env bash
# Start-up under Wine, exec to window mapped: the shipped Quintrela.exe
# beside a one-label Qt window cross-built the same way, median of ROUNDS,
# timed by the native startup_bench on an X server of its own.
# usage: windows_startup.sh ROUNDS   (after scripts/windows.sh and scripts/build.sh)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
rounds="${1:-9}"
version="$(sed -n '1s/^quintrela (\([0-9.]*\)).*/\1/p' "$root/debian/changelog")"
folder="$(mktemp -d)"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$folder"' EXIT
cp -r "$root/build-windows/Quintrela-$version/." "$folder/"
cp "$root/build-windows/build/bench/startup_floor.exe" "$folder/"
export WINEPREFIX="$root/build-windows/wine" WINEDEBUG=-all
for program in Quintrela startup_floor; do
  printf '#!/bin/sh\nexec wine "%s/%s.exe"\n' "$folder" "$program" > "$folder/$program.sh"
  chmod +x "$folder/$program.sh"
done
# Warm: wineserver stays up between starts, as on a desktop in use.
bash "$root/tests/support/x_server.sh" bash -c \
  'wineserver -p; "$0" "$1" "$2" "$3"' \
  "$root/build/bench/startup_bench" "$rounds" "$folder/Quintrela.sh" "$folder/startup_floor.sh"
