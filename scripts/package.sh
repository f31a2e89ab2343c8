#!/usr/bin/env bash
# Installs what building the package needs (its Build-Depends) and builds the
# Debian source and binary packages with dpkg-buildpackage, from a copy of
# the source in build-package/; leaves quintrela_<version>_amd64.deb in
# build/, or in the folder given.
# usage: package.sh [FOLDER]
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$root"
install_packages build-essential debhelper dpkg-dev git
# Lists never read on this machine know no build dependency: read, then again.
$SUDO apt-get build-dep -y ./ || { $SUDO apt-get update && $SUDO apt-get build-dep -y ./; }

version="$(quintrela_version)"
rm -rf build-package
source="build-package/quintrela-$version"
mkdir -p "$source"
# The files of the project as they stand (committed or not), none of its builds.
git ls-files -z --cached --others --exclude-standard | tar --null --ignore-failed-read -T - -cf - | tar -xf - -C "$source"
(cd "$source" && dpkg-buildpackage -us -uc)
out="${1:-build}"
mkdir -p "$out"
rm -f "$out"/quintrela_*_amd64.deb
cp "build-package/quintrela_${version}_amd64.deb" "$out/"
ls "$out"/quintrela_*_amd64.deb
