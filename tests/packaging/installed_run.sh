#!/usr/bin/env bash
# The package as a user gets it: unpacked into a scratch root, both programs
# started from there by an unprivileged user with her own home, driven at the
# keyboard on an X server. The setting and the consultation must land in her
# data folder, the projection on screen, and nothing beside the programs.
# usage: installed_run.sh BUILD_DIR   (exits 77, skipped, when no package was built)
#        installed_run.sh --installed  (the package installed on this system: autopkgtest)
set -euo pipefail
shopt -s nullglob
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../support/worked_example.sh"
work="$(mktemp -d)"
chmod 755 "$work"
cleanup() {
  [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

if [ "$1" = --installed ]; then
  root=""
else
  packages=("$1"/quintrela_*_amd64.deb)
  [ "${#packages[@]}" -gt 0 ] || { echo "no package in $1: run scripts/package.sh"; exit 77; }
  root="$work/root"
  dpkg -x "${packages[0]}" "$root"
fi
home="$work/home"
data="$home/data" # XDG_DATA_HOME, not there yet
mkdir -p "$home/run"
chmod 700 "$home/run"
chown -R nobody:nogroup "$home"
touch "$work/before"

# An X server any user may draw on.
exec 3<> "$work/display"
Xvfb -displayfd 3 -ac -noreset -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
xserver=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

as_user() {
  runuser -u nobody -- env -i HOME="$home" XDG_DATA_HOME="$data" XDG_RUNTIME_DIR="$home/run" \
    DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb PATH=/usr/bin:/bin "$@"
}
fail() { echo "FAIL: $*"; exit 1; }

# Asked from a terminal, without a display: the version and the usage, no window.
for program in Quintrela quintrela qtrconfg; do
  [ -e "$root/usr/bin/$program" ] || fail "no /usr/bin/$program"
  version="$(env -u DISPLAY "$root/usr/bin/$program" --version)" || fail "$program --version failed"
  [[ "$version" =~ ^Quintrela\ [0-9.]+$ ]] || fail "$program --version says: $version"
  env -u DISPLAY "$root/usr/bin/$program" --help | grep -q '^Uso: ' || fail "$program --help gives no usage"
done

# qtrconfg: the first option saved.
as_user "$root/usr/bin/qtrconfg" &
settings=$!
id="$(window "^Configura")" || fail "no qtrconfg window"
focus_window "$id" || fail "the window never took the focus"
sleep 0.3
choose_first_setting
for _ in $(seq 50); do kill -0 "$settings" 2>/dev/null || break; sleep 0.1; done
kill -0 "$settings" 2>/dev/null && fail "qtrconfg did not end after Atualizar"
[ "$(od -An -tx1 "$data/Quintrela/qtrconf.dat" | tr -d ' \n')" = "ffff" ] || fail "the setting is not FF FF"

# Quintrela: a typed consultation, and yes to remembering the name.
as_user "$root/usr/bin/quintrela" &
program=$!
id="$(window "Quintrela Eletr")" || fail "no Quintrela window"
focus_window "$id" || fail "the window never took the focus"
sleep 0.3
type_worked_example 1
for _ in $(seq 50); do [ -s "$data/Quintrela/quintrela.dat" ] && break; sleep 0.1; done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$id")"
/usr/bin/python3 "$here/projection_on_screen.py" "$DISPLAY" "$X" "$Y" || fail "the projection is not on screen"
kill "$program"
wait "$program" 2>/dev/null || true

records="$data/Quintrela/quintrela.dat"
[ "$(stat -c %s "$records")" -eq 132 ] || fail "the records file is not one record: $(stat -c %s "$records") bytes"
[ "$(cat "$records")" = "$(worked_example_record)" ] || fail "the record is not Maria, 28, 01/03/2001"
[ "$(stat -c '%a %U' "$data/Quintrela")" = "700 nobody" ] || fail "data folder: $(stat -c '%a %U' "$data/Quintrela")"
history="$data/Quintrela/historico.db"
for file in "$records" "$data/Quintrela/qtrconf.dat" "$history" "$data/Quintrela/historico.lock"; do
  [ "$(stat -c '%a %U' "$file")" = "600 nobody" ] || fail "$file: $(stat -c '%a %U' "$file")"
done
[ ! -e "$history-journal" ] || fail "a journal stands beside her history"
# Her history, read by the sqlite3 tool as she could read it.
[ "$(runuser -u nobody -- sqlite3 "$history" "SELECT name, start, typed_length FROM period_start")" = "Maria|2001-03-01|28" ] \
  || fail "the history is not Maria's 01/03/2001, 28 days"
written="$(find "$root/usr/bin" "$root/usr/share/quintrela" -newer "$work/before" -print 2>/dev/null || true)"
[ -z "$written" ] || fail "written beside the programs: $written"
echo "installed run: setting, record and history in $data/Quintrela (each 600, hers), projection on screen"
