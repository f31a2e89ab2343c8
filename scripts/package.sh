#!/usr/bin/env bash
# Installs what is needed and builds the Debian package: build/quintrela_<version>_amd64.deb.
# The package's programs keep the user's data in her data folder
# ($XDG_DATA_HOME/Quintrela); they are built apart, in build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."
# The test command has just run it.
[ "${QUINTRELA_SETUP_DONE:-}" = 1 ] || bash scripts/setup.sh
# Debian's hardening flags, as a package built by Debian would have them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DQUINTRELA_USER_DATA=ON \
  -DQUINTRELA_TESTS=OFF -DQUINTRELA_BENCH=OFF
cmake --build build-package -j "$(nproc)"
(cd build-package && rm -f quintrela_*.deb && cpack -G DEB)
mkdir -p build
rm -f build/quintrela_*_amd64.deb
cp build-package/quintrela_*_amd64.deb build/
ls build/quintrela_*_amd64.deb
