#!/usr/bin/env bash
# The reminder as her desktop gets it: the real Quintrela started as her
# session starts it (--lembretes), a real notification server (dunst) on a
# private session bus, and dbus-monitor reading what was sent and which
# action she chose (dunst's own menu, answered by a script as she would pick).
# A protected name's reminder is read without her passphrase, and her answer
# reaches her sealed history when she opens it.
# usage: desktop_reminder.sh QUINTRELA HISTORY_TOOL PROTECTION_TOOL
set -euo pipefail
program=$1
tool=$2
sealer=$3
for needed in dunst dunstctl dbus-monitor dbus-run-session xvfb-run sqlite3; do
  command -v "$needed" >/dev/null || { echo "SKIP: $needed is missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; [ -f "$work/monitor.log" ] && cat "$work/monitor.log"; exit 1; }
day() { date -d "$(date +%F) $1 days" +%F; }

# A folder of its own: the program keeps its data beside it.
mkdir "$work/q"
cp "$program" "$work/q/"
printf '\x00\x00' > "$work/q/qtrconf.dat"
# Four 28-day cycles: the next start is likeliest 28 days after the last.
# Maria's range opens tomorrow; Ana's likeliest day is today.
"$tool" "$work/q" Maria "$(day -138)" "$(day -110)" "$(day -82)" "$(day -54)" "$(day -26)" lembrete:2 >/dev/null
"$tool" "$work/q" Ana "$(day -140)" "$(day -112)" "$(day -84)" "$(day -56)" "$(day -28)" "lembrete:2;discreto" >/dev/null
# Joana has no reminder on.
"$tool" "$work/q" Joana "$(day -138)" "$(day -110)" "$(day -82)" "$(day -54)" "$(day -26)" >/dev/null
# Bia is protected, her likeliest day today too: she turned it on knowingly.
"$sealer" --new "$work/q" Bia "lua de março" "$(day -140)" "$(day -112)" "$(day -84)" "$(day -56)" "$(day -28)" \
  "lembrete:2;discreto" >/dev/null
outside() { sqlite3 "$work/q/historico.db" "SELECT value FROM preference WHERE key = 'lembrete_protegido'"; }
[ -n "$(outside)" ] || fail "Bia's reminder is not kept outside her file"

cat > "$work/pick.sh" <<'PICK'
#!/bin/sh
grep -m1 "Sim, hoje"
PICK
chmod +x "$work/pick.sh"
printf '[global]\n    dmenu = %s\n' "$work/pick.sh" > "$work/dunstrc"

sent() { sqlite3 "$work/q/historico.db" "SELECT value FROM preference WHERE key = 'lembrete_enviado' ORDER BY name_key"; }

# No notification server: it ends at once, quietly, and keeps nothing as given.
dbus-run-session -- bash -c "timeout 20 '$work/q/Quintrela' --lembretes" >"$work/alone.log" 2>&1 \
  || fail "without a notification server it did not end well: $(cat "$work/alone.log")"
[ -z "$(sent)" ] || fail "kept as given with nobody to show it to: $(sent)"

cat > "$work/session.sh" <<SESSION
set -e
dunst -config "$work/dunstrc" >"$work/dunst.log" 2>&1 &
dbus-monitor "interface='org.freedesktop.Notifications'" >"$work/monitor.log" 2>&1 &
sleep 1.5
"$work/q/Quintrela" --lembretes &
check=\$!
# Ana's question, then Bia's, on screen: each answer from dunst's menu.
for asked in 1 2; do
  for _ in \$(seq 100); do
    [ "\$(grep -c 'string "Lembrete da Quintrela"' "$work/monitor.log")" -ge \$asked ] && break
    sleep 0.1
  done
  sleep 0.5
  dunstctl context
done
wait \$check
# Started again the same day: nothing more is shown.
"$work/q/Quintrela" --lembretes
sleep 0.5
SESSION
xvfb-run -a dbus-run-session -- bash "$work/session.sh" || fail "the session did not run"

log=$work/monitor.log
[ "$(grep -c 'member=Notify' "$log")" = 3 ] || fail "not three notifications"
grep -q 'string "Pela sua história, a próxima menstruação deve começar entre' "$log" \
  || fail "Maria was not told her range"
# Ana's is discreet: not a word of what it is about.
python3 - "$log" <<'PY' || fail "the discreet reminder said too much"
import re, sys
calls = open(sys.argv[1], encoding="utf-8").read().split("member=")
discreet = [c for c in calls if c.startswith("Notify") and '"Lembrete da Quintrela"' in c]
assert len(discreet) == 2, discreet
for said in discreet:
    assert '"Já começou?"' in said and '"Sim, hoje"' in said and '"Ainda não"' in said, said
    assert not re.search(r"menstrua|ciclo|período|Bia", said, re.I), said
PY
[ "$(grep -A2 'member=ActionInvoked' "$log" | grep -c 'string "sim"')" = 2 ] || fail "their answers were not read from the server"
"$tool" "$work/q" Ana | grep -qx "$(date +%F)" || fail "Sim, hoje did not keep today in Ana's history"
"$tool" "$work/q" Joana | grep -qx "$(date +%F)" && fail "Joana's history changed"
[ "$(sent | wc -l)" = 2 ] || fail "not kept as given once each: $(sent)"
# Bia's answer waits outside, by date only; nothing outside names her.
outside | grep -q " $(date +%F)\$" || fail "Bia's answer was not kept: $(outside)"
grep -qai "bia" "$work/q/historico.db" && fail "her name is outside her file"
# She opens her file: today is in her history, and nothing waits outside.
"$sealer" "$work/q" Bia "lua de março" | grep -qx "$(date +%F)" || fail "Sim, hoje did not reach Bia's history"
[ "$(outside | wc -w)" = 6 ] || fail "her answer still waits outside: $(outside)"
grep -E "member=(Notify|ActionInvoked)|^   string" "$log" | head -40
echo "PASS: $(grep -c 'member=Notify' "$log") notifications, her answer kept"
