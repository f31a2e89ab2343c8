#!/usr/bin/env bash
# The Debian package as Debian's tools see it: lintian without errors, the
# menu entries and the software-centre metadata valid, and the files in it.
# usage: check_package.sh BUILD_DIR PACKAGE_DIR   (exits 77, skipped, when no package was built)
# PACKAGE_DIR holds what dpkg-buildpackage made: the .changes, the source, the debug symbols.
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

changes=("$2"/quintrela_*_amd64.changes)
[ "${#changes[@]}" -eq 1 ] || { echo "no single .changes in $2"; exit 1; }
for made in "$2"/quintrela_*.dsc "$2"/quintrela_*.tar.xz "$2"/quintrela-dbgsym_*_amd64.deb "$2"/quintrela_*_amd64.buildinfo; do
  [ -e "$made" ] || { echo "dpkg-buildpackage did not make $made"; exit 1; }
done
cmp -s "$deb" "$2/$(basename "$deb")" || { echo "$deb is not the package just built"; exit 1; }
# Source and binaries as the archive would take them: no error, no warning.
lintian --pedantic -I --fail-on error,warning --tag-display-limit 0 "${changes[0]}" \
  || { echo "lintian reports errors or warnings"; exit 1; }

dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's#^\./#/#' > "$work/contents"
missing=0
for file in /usr/bin/Quintrela /usr/bin/quintrela /usr/bin/qtrconfg \
            /usr/share/man/man1/Quintrela.1.gz /usr/share/man/man1/quintrela.1.gz /usr/share/man/man1/qtrconfg.1.gz \
            /usr/share/man/pt_BR/man1/Quintrela.1.gz /usr/share/man/pt_BR/man1/qtrconfg.1.gz \
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
for package in libqt6widgets6 libqt6printsupport6 libical3 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
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
# One version everywhere: the changelog's.
version="$(dpkg-deb --field "$deb" Version)"
grep -q "<release version=\"$version\"" "$work/root/usr/share/metainfo/br.com.quintrela.Quintrela.metainfo.xml" \
  || { echo "the metainfo's newest release is not $version"; exit 1; }
for page in "$work"/root/usr/share/man/man1/*.1.gz "$work"/root/usr/share/man/pt_BR/man1/*.1.gz; do
  zcat "$page" | head -n1 | grep -q "\"Quintrela $version\"" || { echo "$page is not of version $version"; exit 1; }
done
[ "$(env -u DISPLAY "$work/root/usr/bin/Quintrela" --version)" = "Quintrela $version" ] \
  || { echo "Quintrela --version is not $version"; exit 1; }
appstreamcli validate --no-net "$work/root/usr/share/metainfo/br.com.quintrela.Quintrela.metainfo.xml"
appstreamcli validate-tree --no-net "$work/root"
echo "package valid: $deb"
