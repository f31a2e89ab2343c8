#!/usr/bin/env bash
# Orca 43, the screen reader a blind user runs on Debian, on a private
# session and accessibility bus, a small window manager and an X server of
# its own, against the real Quintrela; its debug log (line-buffered, so the
# test reads it as it is written) is what Orca says.
# usage: run_orca_test.sh PROGRAM [TRANSCRIPT]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
command -v orca >/dev/null || { echo "orca is not installed"; exit 1; }
work="$(mktemp -d)"
trap 'cp "$work/orca.log" "${TMPDIR:-/tmp}/quintrela-orca.log" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home/.local/share/orca" "$work/home/run"
chmod 700 "$work/home/run"
cp "$1" "$work/program/Quintrela"
printf '\377\377' > "$work/program/qtrconf.dat"
# Speech goes nowhere: Orca writes every utterance to its log all the same.
# (speech-dispatcher, with no sound device here, stalls Orca's first word.)
speech=false
# QUINTRELA_ORCA_SPEECH=FILE (bench/accessibility/orca_live_evening.sh): speech
# on, as she hears it, in Portuguese through speech-dispatcher and espeak-ng,
# its sound written to FILE (raw, 22050 Hz, 16-bit, mono) as fast as it is
# made, so that FILE's length is the time she spends listening.
if [ -n "${QUINTRELA_ORCA_SPEECH:-}" ]; then
  speech=true
  rm -f "$QUINTRELA_ORCA_SPEECH"
  mkdir -p "$work/home/.config/speech-dispatcher"
  printf 'pcm.!default { type file; slave.pcm "sink"; file "%s"; format "raw"; truncate false }\npcm.sink { type null }\n' \
    "$QUINTRELA_ORCA_SPEECH" > "$work/home/.asoundrc"
  printf '%s\n' 'AudioOutputMethod "alsa"' 'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"' \
    'DefaultModule espeak-ng' 'DefaultLanguage "pt-BR"' > "$work/home/.config/speech-dispatcher/speechd.conf"
  export LANG=pt_BR.UTF-8 LC_ALL=pt_BR.UTF-8
fi
cat > "$work/home/.local/share/orca/user-settings.conf" <<JSON
{"general": {"enableSpeech": $speech, "speechServerFactory": "orca.speechdispatcherfactory"},
 "profiles": {"default": {"profile": ["Default", "default"], "enableSpeech": $speech,
                          "speechServerFactory": "orca.speechdispatcherfactory"}},
 "pronunciations": {}, "keybindings": {}}
JSON
export HOME="$work/home" XDG_RUNTIME_DIR="$work/home/run" XDG_CONFIG_HOME="$work/home/.config"
export LOG="$work/orca.log"
bash "$here/../support/x_server.sh" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  openbox >/dev/null 2>&1 &
  wm=$!
  /usr/bin/python3 "$2/orca_line_buffered.py" "$LOG" >"$LOG.out" 2>&1 &
  orca=$!
  for _ in $(seq 100); do grep -q "Startup complete" "$LOG" 2>/dev/null && break; sleep 0.1; done
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$1" &
  program=$!
  wid="$(xdotool search --sync --name "Quintrela Eletr" | head -n1)"
  xdotool windowactivate --sync "$wid"
  rc=0
  /usr/bin/python3 "$2/orca_evening.py" "$LOG" || rc=$?
  kill "$program" "$orca" "$wm" "$launcher" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  pkill -u "$(id -u)" -x speech-dispatcher 2>/dev/null || true
  exit "$rc"' run "$work/program/Quintrela" "$here" | tee "${2:-/dev/null}"
