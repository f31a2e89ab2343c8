#!/usr/bin/env bash
# The Windows build as a woman on Windows meets it, under Wine on an X
# server of its own: records exchanged with the Linux build, the portable
# folder from the zip, then the installer, the installed programs and the
# uninstaller. Screenshots of both windows are kept in OUT/shots.
# usage: windows_run.sh OUT VERSION BUILD LINUX_TESTS (the Linux build's record_saver, history_tool)
#        (QUINTRELA_MINGW_PREFIX: the cross-built libraries)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../support/worked_example.sh"
if [ -z "${QUINTRELA_ON_X:-}" ]; then
  QUINTRELA_ON_X=1 exec bash "$here/../support/x_server.sh" bash "$0" "$@"
fi
out="$1" version="$2" build="$3" linux_saver="$4/record_saver" linux_history="$4/history_tool"
linux_protection="$4/protection_tool"
: "${QUINTRELA_MINGW_PREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
work="$(mktemp -d)"
# A Windows of its own, new: nothing from an earlier run counts. Its
# Documents and Desktop lead into HOME, so HOME is the run's own too.
export WINEPREFIX="$work/wine" HOME="$work/home"
mkdir -p "$HOME"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
wine wineboot -i >/dev/null 2>&1 || fail "wine could not make its Windows in $WINEPREFIX"
wineserver -w
mkdir -p "$out/shots"
bytes() { od -An -tx1 "$1" | tr -d ' \n'; }

# 1. Her records file goes from one build to the other byte for byte.
name="Márcia Conceição €-"
mkdir -p "$work/linux" "$work/windows"
"$linux_saver" "$work/linux" "$name" 3 >/dev/null || fail "the Linux build did not save"
bash "$here/../support/wine_run.sh" "$build/tests/record_saver.exe" "Z:$work/windows" "$name" 3 >/dev/null \
  || fail "the Windows build did not save"
cmp "$work/linux/quintrela.dat" "$work/windows/quintrela.dat" || fail "the two builds write different bytes"
[ "$(stat -c %s "$work/windows/quintrela.dat")" -eq 396 ] || fail "three records are not 396 bytes"
# Each finds the other's names (an update, never a second record).
bash "$here/../support/wine_run.sh" "$build/tests/record_saver.exe" "Z:$work/linux" "$name" 3 updated >/dev/null \
  || fail "the Windows build did not find the names the Linux build saved"
"$linux_saver" "$work/windows" "$name" 3 updated >/dev/null || fail "the Linux build did not find the Windows names"
cmp "$work/linux/quintrela.dat" "$work/windows/quintrela.dat" || fail "an update changed the bytes"
echo "records: the same 396 bytes from both builds, each reads the other's"

settings_run() { # EXE FILE
  wine "$1" >/dev/null 2>&1 &
  local id
  id="$(window "^Configura")" || fail "no qtrconfg window"
  focus_window "$id" || fail "the window never took the focus"
  sleep 0.5
  import -window "$id" "$out/shots/qtrconfg-wine.png" 2>/dev/null || true
  choose_first_setting
  for _ in $(seq 100); do xdotool search --name "^Configura" >/dev/null 2>&1 || break; sleep 0.1; done
  [ "$(bytes "$2")" = "ffff" ] || fail "qtrconfg did not write FF FF in $2"
}

# The months carried to her calendar: Ctrl+E, the Windows save dialog
# accepted as it opens (Documents, "Quintrela Maria.ics"), and the file read
# back by python3-icalendar.
calendar_export() {
  local ics="$HOME/Quintrela Maria.ics"
  xdotool key ctrl+e
  window "^Exportar para a agenda" >/dev/null || fail "no save dialog for the calendar"
  sleep 0.5
  xdotool key Return
  for _ in $(seq 100); do [ -s "$ics" ] && break; sleep 0.1; done
  [ -s "$ics" ] || fail "no calendar file in her Documents"
  /usr/bin/python3 "$here/../export/read_ics.py" "$ics" > "$work/ics.json" || fail "the calendar file does not parse"
  /usr/bin/python3 - "$work/ics.json" <<'PY' || fail "the calendar file does not hold the worked example's cycles"
import json, sys
c = json.load(open(sys.argv[1], encoding="utf-8"))
events = c["events"]
menstruations = [e for e in events if e["summary"] == "Próxima menstruação"]
risky = [e for e in events if e["summary"] == "Dias de alto risco"]
assert c["x-wr-calname"] == "Quintrela – Maria", c["x-wr-calname"]
assert len(menstruations) == 36 and len(risky) == 36, (len(menstruations), len(risky))
assert menstruations[0]["start"] == "2001-03-28", menstruations[0]
assert (risky[0]["start"], risky[0]["end"]) == ("2001-03-12", "2001-03-17"), risky[0]
assert all(e["class"] == "PRIVATE" for e in events)
PY
  echo "calendar: 72 private events from Windows, read by python3-icalendar, the first on 28/03/2001"
}

# Quintrela: the worked example typed, yes to remembering the name, the month on screen.
consultation() { # EXE RECORDS SHOT [export]
  wine "$1" >/dev/null 2>&1 &
  local id
  id="$(window "Quintrela Eletr")" || fail "no Quintrela window"
  focus_window "$id" || fail "the window never took the focus"
  sleep 0.5
  type_worked_example 1.5
  for _ in $(seq 100); do [ -s "$2" ] && break; sleep 0.1; done
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  import -window root "$work/screen.png" 2>/dev/null && cp "$work/screen.png" "$out/shots/$3" || true
  /usr/bin/python3 "$here/projection_on_screen.py" "$DISPLAY" "$X" "$Y" || fail "the projection is not on screen"
  [ -z "${4:-}" ] || calendar_export
  wineserver -k 2>/dev/null || true
  wineserver -w
  [ "$(stat -c %s "$2")" -eq 132 ] || fail "$2 is not one record"
  [ "$(cat "$2")" = "$(worked_example_record)" ] || fail "the record is not Maria, 28, 01/03/2001"
}

# 2. The portable folder, from the zip: exactly the libraries its programs
# load (every one they need that Windows lacks, none that nothing loads),
# then her files beside the programs.
unzip -q "$out/Quintrela-$version-windows-x64.zip" -d "$work/portable"
portable="$work/portable/Quintrela-$version"
loaded="$(cd "$portable" && for f in *.exe *.dll */*.dll; do
  x86_64-w64-mingw32-objdump -p "$f" | awk '/DLL Name:/ {print $3}'; done | sort -fu)"
for dll in "$portable"/*.dll; do
  grep -qix "$(basename "$dll")" <<<"$loaded" || fail "$(basename "$dll") is shipped but nothing loads it"
done
while read -r dll; do
  case "$dll" in
    Qt6*|lib*) [ -e "$portable/$dll" ] || fail "$dll is loaded but not shipped" ;;
  esac
done <<<"$loaded"
[ -f "$portable/platforms/qwindows.dll" ] || fail "no platform plugin: no window would ever appear"
settings_run "$portable/qtrconfg.exe" "$portable/qtrconf.dat"
consultation "$portable/Quintrela.exe" "$portable/quintrela.dat" quintrela-wine-portable.png export
echo "portable: exactly the libraries loaded, FF FF and Maria's record beside the programs, March 2001 on screen, her calendar exported"

# Her files stay hers alone in C:\Quintrela (a folder Wine, as Windows,
# opens to others) through a first start, a second start with a
# consultation, and qtrconfg's save: every access list read back by another
# program, naming SYSTEM and her alone.
folder="$WINEPREFIX/drive_c/Quintrela"
mkdir -p "$folder" "$work/c"
unzip -q "$out/Quintrela-$version-windows-x64.zip" -d "$work/c"
cp -r "$work/c/Quintrela-$version/." "$folder/"
hers_alone() { # WHEN FILE...
  local when="$1" file list
  shift
  for file in "$@"; do
    list="$(bash "$here/../support/wine_run.sh" "$build/tests/access_list.exe" "C:\\Quintrela\\$file" | tr -d '\r')"
    [[ "$list" =~ ^D:[A-Z]*(\(A\;[A-Z]*\;FA\;\;\;(SY|S-1-5-21-[0-9-]+)\))+$ ]] \
      || fail "$file is not hers alone $when: $list"
  done
}
wine "$folder/Quintrela.exe" >/dev/null 2>&1 &
window "Quintrela Eletr" >/dev/null || fail "no Quintrela window in C:\\Quintrela"
sleep 1
wineserver -k 2>/dev/null || true
wineserver -w
hers_alone "after the first start" quintrela.dat qtrconf.dat
settings_run "$folder/qtrconfg.exe" "$folder/qtrconf.dat"
wineserver -w
hers_alone "after qtrconfg saved" quintrela.dat qtrconf.dat
consultation "$folder/Quintrela.exe" "$folder/quintrela.dat" quintrela-wine-c.png
hers_alone "after a second start and a consultation" quintrela.dat qtrconf.dat historico.db historico.lock
echo "C:\\Quintrela: her four files SYSTEM's and hers alone after a first start, qtrconfg's save, a second start and a consultation"

# Asked on the command line, each program answers there: in a console of its
# own characters, or into a pipe.
[ "$(wine "$folder/Quintrela.exe" --version 2>/dev/null | tr -d '\r')" = "Quintrela $version" ] \
  || fail "Quintrela --version wrote nothing into a pipe"
script -qec "wine cmd /c C:\\\\Quintrela\\\\qtrconfg.exe --help" /dev/null > "$work/console.txt" 2>&1 || true
grep -q "mostra a versão e termina" "$work/console.txt" \
  || fail "qtrconfg --help said nothing in the console: $(head -c 300 "$work/console.txt")"
echo "command line: --version into a pipe, --help in the console it was typed in, accents whole"

# Her history, kept by the Windows program, read by Linux's sqlite3 and by
# the Linux build; a date added there read back by the Windows build.
[ "$(sqlite3 "$portable/historico.db" "PRAGMA integrity_check; SELECT name, start, typed_length FROM period_start")" \
  = "$(printf 'ok\nMaria|2001-03-01|28')" ] || fail "the history is not Maria's 01/03/2001, 28 days"
[ ! -e "$portable/historico.db-journal" ] || fail "a journal stands beside her history"
[ "$("$linux_history" "$portable" maria 2001-01-31 | tr '\n' ' ')" = "2001-01-31 2001-03-01 " ] \
  || fail "the Linux build did not read and add to the Windows history"
[ "$(bash "$here/../support/wine_run.sh" "$build/tests/history_tool.exe" "Z:$portable" MARIA | tr -d '\r' | tr '\n' ' ')" \
  = "2001-01-31 2001-03-01 " ] || fail "the Windows build did not read the date Linux added"
# Her days' notes, each way.
"$linux_history" "$portable" maria "2001-03-02=cólica forte" >/dev/null || fail "the Linux build did not note her day"
[ "$(bash "$here/../support/wine_run.sh" "$build/tests/history_tool.exe" "Z:$portable" MARIA "2001-03-03=dia dois" \
     | tr -d '\r' | tr '\n' '|')" = "2001-01-31|2001-03-01|2001-03-02: fluxo moderado, 'cólica forte'|2001-03-03: fluxo moderado, 'dia dois'|" ] \
  || fail "the Windows build did not read the note Linux wrote, or keep its own"
[ "$("$linux_history" "$portable" maria | tail -n1)" = "2001-03-03: fluxo moderado, 'dia dois'" ] \
  || fail "the Linux build did not read the note Windows wrote"
echo "history: kept by the Windows program (Maria, 01/03/2001, 28 days), read by sqlite3 and the Linux build, a date added on Linux read on Windows; a day's note written on each read on the other"

# Her reminder: a balloon from Windows' notification area, given once a day.
on() { date -d "$(date +%F) $1 days" +%F; }
"$linux_history" "$portable" Lia "$(on -138)" "$(on -110)" "$(on -82)" "$(on -54)" "$(on -26)" lembrete:2 >/dev/null \
  || fail "Lia's reminder could not be chosen"
# Bia is protected: her reminder is read without her passphrase.
"$linux_protection" --new "$portable" Bia "lua de março" "$(on -138)" "$(on -110)" "$(on -82)" "$(on -54)" "$(on -26)" \
  "lembrete:2;discreto" >/dev/null || fail "Bia's reminder could not be chosen"
wine "$portable/Quintrela.exe" --lembretes >/dev/null 2>&1 &
reminder=$!
sleep 4
import -window root "$out/shots/reminder-wine.png" 2>/dev/null || true
wait "$reminder" || fail "Quintrela --lembretes did not end well"
given="$(sqlite3 "$portable/historico.db" "SELECT value FROM preference WHERE key = 'lembrete_enviado'")"
[ "$given" = "$(date -d "$(on 1)" +%d/%m/%Y);antes" ] || fail "the notification area did not take Lia's reminder: '$given'"
sqlite3 "$portable/historico.db" "SELECT value FROM preference WHERE key = 'lembrete_protegido'" \
  | grep -q " $(date -d "$(on 1)" +%d/%m/%Y);antes\$" || fail "the notification area did not take Bia's reminder"
wine "$portable/Quintrela.exe" --lembretes >/dev/null 2>&1 || fail "Quintrela --lembretes did not end well again"
# Rita's likeliest day is today: "Já começou?", her click on the balloon, and
# "Sim, hoje" in the program's own box keeps today in her history.
"$linux_history" "$portable" Rita "$(on -140)" "$(on -112)" "$(on -84)" "$(on -56)" "$(on -28)" lembrete:2 >/dev/null \
  || fail "Rita's reminder could not be chosen"
wine "$portable/Quintrela.exe" --lembretes >/dev/null 2>&1 &
reminder=$!
for _ in $(seq 100); do bash "$here/../support/wine_run.sh" "$build/tests/balloon_click.exe" && break; sleep 0.2; done
box="$(window "^J.*come")" || fail "no box for her answer after a click on the balloon"
focus_window "$box" || fail "the box never took the focus"
import -window "$box" "$out/shots/reminder-answer-wine.png" 2>/dev/null || true
xdotool key --window "$box" Return
wait "$reminder" || fail "Quintrela --lembretes did not end well after her answer"
"$linux_history" "$portable" Rita | grep -qx "$(date +%F)" || fail "Sim, hoje did not keep today in Rita's history"
echo "reminder: a balloon from the notification area, Shell_NotifyIcon took it, an open and a protected name's; given once; \"Sim, hoje\" after a click on it kept today"

# Her history under a passphrase, sealed by the Linux build, opened and
# added to by the Windows build, opened again on Linux; sqlite3 reads none of it.
sealed="$work/sealed"
mkdir -m 700 "$sealed"
"$linux_protection" --new "$sealed" "Maria José" "lua cheia de março" 2001-03-01 >/dev/null \
  || fail "the Linux build did not seal her history"
[ "$(bash "$here/../support/wine_run.sh" "$build/tests/protection_tool.exe" "Z:$sealed" "MARIA JOSÉ" "lua cheia de março" 2001-03-29 \
     | tr -d '\r' | tr '\n' ' ')" = "2001-03-01 2001-03-29 " ] || fail "the Windows build did not open the history Linux sealed"
[ "$("$linux_protection" "$sealed" "maria josé" "lua cheia de março" | tr '\n' ' ')" = "2001-03-01 2001-03-29 " ] \
  || fail "the Linux build did not open the history Windows sealed"
"$linux_protection" "$sealed" "Maria José" "lua cheia de marco" >/dev/null 2>&1 && fail "a wrong passphrase opened her history"
for file in "$sealed"/*; do
  [ "$(basename "$file")" = historico.lock ] && continue
  sqlite3 "$file" "SELECT count(*) FROM sqlite_schema" >/dev/null 2>&1 && fail "sqlite3 read her sealed file"
  grep -qa "MARIA\|2001-03" "$file" && fail "her name or a date shows in her sealed file"
done
echo "protected history: sealed on Linux, opened and added to on Windows, opened again on Linux; sqlite3 and grep read none of it"

# 3. Heard on Windows: a recording UI Automation core in this Windows only
# (Wine's delivers no events), asked first as NVDA asks, then the worked
# example, Page Down, a day's edge and her history; every sentence Orca hears on Linux
# must be raised as a UI Automation notification, and the name field and the
# days must be named as they take the focus.
unzip -q "$out/Quintrela-$version-windows-x64.zip" -d "$work/heard"
heard="$work/heard/Quintrela-$version"
printf '\377\377' > "$heard/qtrconf.dat"
cp "$build/tests/uia/UIAutomationCore.dll" "$WINEPREFIX/drive_c/windows/system32/UIAutomationCore.dll"
export QUINTRELA_UIA_LOG="Z:$work/uia.log"
WINEDLLOVERRIDES="uiautomationcore=n;mscoree,mshtml=" wine "$heard/Quintrela.exe" >/dev/null 2>&1 &
id="$(window "Quintrela Eletr")" || fail "no Quintrela window"
focus_window "$id" || fail "the window never took the focus"
wine "$build/tests/uia/uia_client.exe" "Quintrela Eletr" || fail "the window did not answer WM_GETOBJECT"
sleep 0.5
xdotool key shift+Tab     # away and back: the name field's focus, now that a client listens
sleep 0.5
xdotool key Tab
sleep 0.5
type_worked_example 1.5
# Each sentence waits for the events before it to settle (600 ms); Wine is slower.
sleep 3
xdotool key Next          # Page Down: April
sleep 3
xdotool key Tab Tab Tab Tab Tab   # to the days, at 1 April
sleep 0.5
xdotool key Left          # a day's edge: 31 March
sleep 1.5
xdotool key ctrl+h        # her history: its summary, as the window opens
sleep 3
xdotool key Escape
sleep 1
xdotool key ctrl+o        # her protected data: the name, then the passphrase, typed
sleep 2
xdotool key Tab
sleep 1
xdotool type --delay 120 "luanova"
sleep 1.5
xdotool key Escape
sleep 1
wineserver -k 2>/dev/null || true
wineserver -w
unset QUINTRELA_UIA_LOG
/usr/bin/python3 - "$work/uia.log" <<'PY' || fail "UI Automation was not told what Orca hears"
import sys
said = open(sys.argv[1], encoding="utf-8").read().splitlines() if len(sys.argv) > 1 else []
edge = "Março de 2001. Última menstruação informada: dia 1."  # with the day
expected = [
    "UIA focus: Digite o seu nome abaixo:",  # the box's text field, by the box's caption
    "Março de 2001. Última menstruação informada: dia 1. Próxima menstruação: dia 28.",
    "Abril de 2001. Próxima menstruação: dia 24.",
    "UIA focus: domingo, 1 de abril de 2001",
    edge,
    "Há uma data no seu histórico: a duração dos ciclos aparece a partir da próxima.",
    "UIA focus: Senha: (IsPassword)",
]
pending = list(expected)
for line in said:
    if pending and line.startswith(pending[0]):
        if pending[0] == edge and "sábado, 31 de março de 2001" not in line:
            continue
        pending.pop(0)
for line in said:
    print("  ", line[:160] if line.startswith("UIA focus:") else "UIA notification: " + line[:160])
if pending:
    sys.exit("never raised: %r" % pending[0])
# What her history says, once, with the month it came with.
history = "Ainda não há ciclos suficientes para uma previsão pela sua história."
if sum(history in line for line in said) != 1:
    sys.exit("what her history says was not raised once: %r" % [l for l in said if history in l])
# Not a character of what she typed as her passphrase.
for line in said:
    value = line[len("UIA value: "):] if line.startswith("UIA value: ") else None
    if "luan" in line or (value and "luanova".startswith(value)):
        sys.exit("her passphrase was given out: %r" % line)
PY
echo "heard on Windows: the consultation, Page Down, a day's edge and her history's summary, each raised as a UI Automation notification; the name field and the days named in focus; the passphrase field a password field, and nothing of what was typed in it given out"

# 4. Printing told truly: Wine's spooler hands jobs to a CUPS scheduler of
# the run's own (own folders and socket). A queue that takes the job gets it
# and nothing is said; a queue that refuses jobs makes EndDoc fail, and she
# must be told and offered the PDF, never left to think it printed.
cups="$work/cups"
for sub in etc spool cache run log lib; do mkdir -p "$cups/$sub"; done
mkdir -m 1777 -p "$cups/tmp"
for sub in filter cgi-bin daemon monitor notifier backend; do ln -s "/usr/lib/cups/$sub" "$cups/lib/$sub"; done
cat > "$cups/etc/cupsd.conf" <<CONF
Listen $cups/cups.sock
LogLevel warn
WebInterface No
Browsing No
DefaultAuthType None
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$cups/etc/cups-files.conf" <<CONF
ServerRoot $cups/etc
RequestRoot $cups/spool
CacheDir $cups/cache
StateDir $cups/run
TempDir $cups/tmp
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
ServerBin $cups/lib
DataDir /usr/share/cups
FileDevice Yes
User lp
Group lp
SystemGroup root
CONF
/usr/sbin/cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" &
cupsd_pid=$!
trap 'kill "$cupsd_pid" 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export CUPS_SERVER="$cups/cups.sock" CUPS_SERVERROOT="$cups/etc"
for _ in $(seq 100); do [ -S "$CUPS_SERVER" ] && break; sleep 0.1; done
lpadmin -p Fila -E -v file:///dev/null -m raw 2>/dev/null || fail "no CUPS queue for Wine's spooler"
lpadmin -d Fila
wineserver -k 2>/dev/null || true
wineserver -w
unzip -q "$out/Quintrela-$version-windows-x64.zip" -d "$work/print"
printf '\377\377' > "$work/print/Quintrela-$version/qtrconf.dat"
wine "$work/print/Quintrela-$version/Quintrela.exe" >/dev/null 2>&1 &
id="$(window "Quintrela Eletr")" || fail "no Quintrela window"
focus_window "$id" || fail "the window never took the focus"
sleep 0.5
type_worked_example 1.5
sleep 2
xdotool key ctrl+p
for _ in $(seq 150); do [ -n "$(lpstat -W all -o Fila 2>/dev/null)" ] && break; sleep 0.2; done
[ -n "$(lpstat -W all -o Fila 2>/dev/null)" ] || fail "the page never reached the CUPS queue"
xdotool search --name "^Erro:" >/dev/null 2>&1 && fail "a page that printed was told as failed"
cupsreject Fila
focus_window "$id" || fail "the window never took the focus"
xdotool key ctrl+p
window "^Erro:" >/dev/null || fail "a job the spooler refused was told as printed"
wineserver -k 2>/dev/null || true
wineserver -w
kill "$cupsd_pid" 2>/dev/null || true
unset CUPS_SERVER CUPS_SERVERROOT
echo "printing: the job reached the CUPS queue behind Wine's spooler; refused, it was told and the PDF offered"

# 5. The installer, silent, each way: for all users (Program Files, the
# machine's Start menu and uninstall entry) and for her alone (her
# LOCALAPPDATA, her Start menu, her uninstall entry, no administrator).
# Installed either way, her files go to her AppData; uninstalled, the
# programs go and her data stays.
c="$WINEPREFIX/drive_c"
profile="$(ls -d "$c"/users/*/AppData | grep -v '/Public/' | head -n1)"
appdata="$profile/Roaming"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quintrela'
installed_run() { # SCOPE FOLDER MENU HIVE
  local scope="$1" installed="$2" menu="$3" hive="$4"
  rm -rf "$appdata/Quintrela" # each as on her first day
  wine "$out/Quintrela-$version-setup.exe" /S "/$scope"
  wineserver -w
  [ -f "$installed/Quintrela.exe" ] && [ -f "$installed/qtrconfg.exe" ] || fail "$scope: not installed in $installed"
  [ -f "$menu/Quintrela.lnk" ] && [ -f "$menu/Configuração da Quintrela.lnk" ] || fail "$scope: no Start-menu entries"
  wine reg query "$hive\\$key" /v UninstallString 2>/dev/null | grep -q 'Desinstalar.exe' || fail "$scope: no uninstall entry in $hive"
  touch "$work/installed"
  settings_run "$installed/qtrconfg.exe" "$appdata/Quintrela/qtrconf.dat"
  consultation "$installed/Quintrela.exe" "$appdata/Quintrela/quintrela.dat" "quintrela-wine-$scope.png"
  written="$(find "$installed" -newer "$work/installed" -print)"
  [ -z "$written" ] || fail "$scope: written beside the installed programs: $written"
  wine "$installed/Desinstalar.exe" /S
  wineserver -w
  [ ! -e "$installed" ] || fail "$scope: the install folder still holds: $(ls "$installed")"
  [ ! -e "$menu" ] || fail "$scope: the Start-menu entries are still there"
  wine reg query "$hive\\$key" >/dev/null 2>&1 && fail "$scope: the uninstall entry is still there"
  [ "$(stat -c %s "$appdata/Quintrela/quintrela.dat")" -eq 132 ] || fail "$scope: uninstalling took her records"
  echo "$scope: installed in $(basename "$(dirname "$installed")"), FF FF and Maria's record in her AppData, nothing beside the programs; uninstalled, her records kept"
}
installed_run AllUsers "$c/Program Files/Quintrela" "$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quintrela" HKLM
installed_run CurrentUser "$profile/Local/Programs/Quintrela" "$appdata/Microsoft/Windows/Start Menu/Programs/Quintrela" HKCU

# 6. Installed into a folder that holds other programs (/D=), then
# uninstalled: exactly what was installed goes, nothing else.
shared="$c/Compartilhada"
mkdir -p "$shared"
printf 'outro' > "$shared/outro.exe"
printf 'outro' > "$shared/outro.dll"
wine "$out/Quintrela-$version-setup.exe" /S /AllUsers '/D=C:\Compartilhada'
wineserver -w
[ -f "$shared/Quintrela.exe" ] || fail "/D= was not followed"
wine "$shared/Desinstalar.exe" /S
wineserver -w
[ "$(ls "$shared")" = "$(printf 'outro.dll\noutro.exe')" ] || fail "uninstalling left or took the wrong files: $(ls "$shared")"
echo "uninstalled from a shared folder: its own files gone, outro.exe and outro.dll kept"
