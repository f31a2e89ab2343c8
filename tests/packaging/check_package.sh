#!/usr/bin/env bash
# The Debian package as Debian's tools see it: lintian without errors, the
# menu entries and the software-centre metadata valid, and the files in it.
# usage: check_package.sh BUILD_DIR   (exits 77, skipped, when no package was built)
set -euo pipefail
shopt -s nullglob
packages=("$1"/quintrela_*_amd64.deb)
if [ "${#packages[@]}" -eq 0 ]; then
  echo "no package in $1: run scripts/package.sh"
  exit 77
fi
[ "${#packages[@]}" -eq 1 ] || { echo "more than one package in $1"; exit 1; }
deb="${packages[0]}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

lintian --fail-on error --tag-display-limit 0 "$deb" || { echo "lintian reports errors"; exit 1; }

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's#^\./#/#' > "$work/contents"
missing=0
for file in /usr/bin/Quintrela /usr/bin/qtrconfg \
            /usr/share/applications/br.com.quintrela.Quintrela.desktop \
            /usr/share/applications/br.com.quintrela.qtrconfg.desktop \
            /usr/share/metainfo/br.com.quintrela.Quintrela.metainfo.xml \
            /usr/share/doc/quintrela/copyright /usr/share/doc/quintrela/changelog.gz; do
  grep -qx "$file" "$work/contents" || { echo "missing in the package: $file"; missing=1; }
done
for size in 16 24 32 48 64 128 256; do
  for icon in quintrela qtrconfg; do
    file="/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    grep -qx "$file" "$work/contents" || { echo "missing in the package: $file"; missing=1; }
  done
done
[ "$missing" -eq 0 ]

dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/^ *//' > "$work/depends"
for package in libqt6widgets6 libqt6printsupport6 libical3 libcups2 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
  grep -q "^$package\b" "$work/depends" || { echo "the package does not depend on $package"; exit 1; }
done

dpkg -x "$deb" "$work/root"
for size in 16 24 32 48 64 128 256; do
  for icon in quintrela qtrconfg; do
    actual="$(file -b "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png")"
    [[ "$actual" == *"$size x $size"* ]] || { echo "$icon at ${size}px is $actual"; exit 1; }
  done
done
for entry in "$work"/root/usr/share/applications/*.desktop; do
  desktop-file-validate "$entry"
  grep -qE '^Exec=(Quintrela|qtrconfg)$' "$entry" || { echo "$entry: Exec is not a plain program name"; exit 1; }
  grep -qE '^Icon=(quintrela|qtrconfg)$' "$entry" || { echo "$entry: Icon is not a theme name"; exit 1; }
done
appstreamcli validate --no-net "$work/root/usr/share/metainfo/br.com.quintrela.Quintrela.metainfo.xml"
appstreamcli validate-tree --no-net "$work/root"
echo "package valid: $deb"
