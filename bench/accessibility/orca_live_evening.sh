#!/usr/bin/env bash
# How long she listens through the same evening, program by program: Orca in
# Portuguese speaking through speech-dispatcher and espeak-ng (pt-BR), the
# evening of tests/accessibility/orca_evening.py without the history (so that
# a program from before it can be timed), every utterance spoken whole.
# The evening's checks expect Orca's English words: their failures are not
# this measure's business.
# usage: orca_live_evening.sh PROGRAM... (transcripts: OUT/<n>.txt, OUT=${OUT:-/tmp/orca-live})
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
out="${OUT:-/tmp/orca-live}"
mkdir -p "$out"
n=0
for program in "$@"; do
  n=$((n + 1))
  QUINTRELA_ORCA_SPEECH="$out/$n.raw" QUINTRELA_EVENING_HISTORY=0 \
    bash "$here/../../tests/accessibility/run_orca_test.sh" "$program" "$out/$n.txt" >/dev/null 2>&1
  bytes="$(stat -c %s "$out/$n.raw" 2>/dev/null || echo 0)"
  awk -v b="$bytes" -v p="$program" -v t="$out/$n.txt" \
    'BEGIN { printf "%s: %.1f s of speech (%s)\n", p, b / 44100, t }'
done
