#!/usr/bin/env bash
# Rebuilds the package from its source package, in another folder and at
# another time, and compares: the same bytes, or the build is not
# reproducible.
# usage: reproducible.sh BUILD_DIR PACKAGE_DIR   (exits 77, skipped, when no package was built)
set -euo pipefail
shopt -s nullglob
built=("$1"/quintrela_*_amd64.deb)
sources=("$2"/quintrela_*.dsc)
[ "${#built[@]}" -eq 1 ] && [ "${#sources[@]}" -eq 1 ] || { echo "no package in $1: run scripts/package.sh"; exit 77; }
shift
work="$(mktemp -d /tmp/quintrela-rebuild-XXXXXX)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/elsewhere"
dpkg-source -x "${sources[0]}" "$work/elsewhere/quintrela" >/dev/null
(cd "$work/elsewhere/quintrela" && dpkg-buildpackage -b -us -uc >"$work/log" 2>&1) || { tail -40 "$work/log"; exit 1; }
different=0
for first in "$1"/quintrela_*_amd64.deb "$1"/quintrela-dbgsym_*_amd64.deb; do
  again="$work/elsewhere/$(basename "$first")"
  if cmp -s "$first" "$again"; then
    echo "identical: $(basename "$first") ($(sha256sum < "$first" | cut -c1-16))"
  else
    echo "DIFFERENT: $(basename "$first")"
    command -v diffoscope >/dev/null && diffoscope --text - "$first" "$again" | head -60 || true
    different=1
  fi
done
exit "$different"
