#!/usr/bin/env bash
# The real program, run from a folder of its own with a fault planted in
# it: what it says (read by a screen-reader client), and that nothing is
# written where it must not be.
# usage: real_program_faults.sh PROGRAM
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
disk="$work/disk"
cleanup() { umount "$disk" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

run() { # FOLDER EXPECTED...
  local folder="$1"
  shift
  HOME="${her_home:-$work}" XDG_RUNTIME_DIR="$work" bash "$here/../support/x_server.sh" dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$1/Quintrela" &
    program=$!
    rc=0
    /usr/bin/python3 "$2" "${@:3}" || rc=$?
    kill "$program" "$launcher" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    exit "$rc"' run "$folder" "$here/real_program_faults.py" "$@"
}

portable() { # FOLDER: the program and its setting, as a portable folder holds them
  mkdir -p "$1"
  cp "$program" "$1/Quintrela"
  printf '\377\377' > "$1/qtrconf.dat"
}
program="$1"

echo "== quintrela.dat is a link to another file"
portable "$work/link"
printf 'victim' > "$work/victim"
ln -s "$work/victim" "$work/link/quintrela.dat"
run "$work/link" "é um atalho (link)" TYPE "é um atalho (link)"
[ "$(cat "$work/victim")" = victim ] || { echo "FAIL: the link's target was written"; exit 1; }

echo "== root with her HOME, under umask 000, exports"
if [ "$(id -u)" -eq 0 ]; then
  portable "$work/root"
  her_home="$work/maria"
  mkdir -m 0755 "$her_home"
  chown 65534:65534 "$her_home"
  (umask 000; run "$work/root" TYPE "O seu nome não foi localizado" EXPORT "sem sudo")
  left="$(find "$her_home" -mindepth 1)"
  [ -z "$left" ] || { echo "FAIL: root wrote in her home: $left"; exit 1; }
  [ "$(stat -c %a "$work/root/quintrela.dat")" = 600 ] || { echo "FAIL: records not private under umask 000"; exit 1; }
  unset her_home
else
  echo "skipped: root with another user's HOME needs root"
fi

echo "== the disk is full"
if ! mkdir -p "$disk" || ! mount -t tmpfs -o size=$(( $(stat -c %s "$program") / 1024 + 512 ))k tmpfs "$disk"; then
  [ "$(id -u)" -ne 0 ] || { echo "FAIL: root could not mount a small disk"; exit 1; }
  echo "skipped: mounting a small disk needs root"
  exit 0
fi
portable "$disk/full"
: > "$disk/full/quintrela.dat"
head -c 100M /dev/zero > "$disk/filler" 2>/dev/null || true
run "$disk/full" TYPE "O seu nome não foi localizado" "Não há espaço livre no disco"
[ ! -s "$disk/full/quintrela.dat" ] || { echo "FAIL: a cut record was left"; exit 1; }
echo PASS
