# The keys of the end-to-end runs, shared by the Linux package's and the
# Windows build's: sourced, not run.

# Polled rather than --sync: xdotool ends on a window closing as it looks.
focus_window() { # ID: keyboard focus on it, once it can take it (within 10 s)
  # Found by name before Wine has mapped it, a window refuses the focus (BadMatch).
  for _ in $(seq 50); do
    xdotool windowactivate --sync "$1" 2>/dev/null && return 0
    xdotool windowfocus --sync "$1" 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}

window() { # NAME → the first window so named, within 30 s
  local id
  for _ in $(seq 300); do
    id="$(xdotool search --name "$1" 2>/dev/null | head -n1)" || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# qtrconfg, in focus: Tab to the option shown, Up to the first one, Alt+Z to save.
choose_first_setting() {
  xdotool key Tab Up alt+z
}

# Quintrela, in focus: Maria, 01/03/2001, 28 days, then yes to remembering her name.
type_worked_example() { # SECONDS_BEFORE_THE_QUESTION
  xdotool type --delay 30 "Maria"
  xdotool key Tab
  xdotool type --delay 30 "01/03/2001"
  xdotool key Tab
  xdotool type --delay 30 "28"
  xdotool key Return
  sleep "$1"
  xdotool key Return
}

# The one record the worked example leaves: 132 bytes.
worked_example_record() {
  printf 'Maria%115s28%s' '' '01/03/2001'
}
