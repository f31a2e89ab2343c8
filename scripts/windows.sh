#!/usr/bin/env bash
# Builds Quintrela for Windows here, with Debian's mingw-w64 against Qt and
# libical built from Debian's own sources (once, kept outside the clone):
#   build-windows/Quintrela-<versão>-windows-x64.zip   the portable folder
#   build-windows/Quintrela-<versão>-setup.exe          the installer
# With --test, also runs the Windows checks under Wine on a private X server;
# with --setup, only installs the Debian packages all this needs.
# The records exchange uses the Linux build in build/, or QUINTRELA_LINUX_BUILD.
# usage: windows.sh [--test | --setup]
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
cd "$root"
case "${1:-}" in
  ""|--test|--setup) ;;
  *) echo "usage: windows.sh [--test | --setup]" >&2; exit 2 ;;
esac
install_packages \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools \
  cmake ninja-build pkg-config python3 dpkg-dev patch xz-utils zip unzip \
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libical-dev googletest \
  fonts-liberation2 nsis wine wine64 xvfb xauth xdotool x11-utils imagemagick \
  python3-pil python3-icalendar cups cups-client cups-bsd \
  libsqlite3-dev sqlite3 tcl libsodium-dev autoconf automake libtool
[ "${1:-}" = "--setup" ] && exit 0

prefix="$(bash scripts/windows-deps.sh | tail -n1)"
sqlite="$(bash scripts/windows-sqlite.sh | tail -n1)"
sodium="$(bash scripts/windows-sodium.sh | tail -n1)"
version="$(quintrela_version)"
out="$root/build-windows"
build="$out/build"
export WINEPREFIX="$out/wine"
mkdir -p "$out"

cmake -S . -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/packaging/windows/mingw-w64-x86_64.cmake" \
  -DQUINTRELA_MINGW_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
  -DSQLite3_INCLUDE_DIR="$sqlite/include" -DSQLite3_LIBRARY="$sqlite/lib/libsqlite3.a" \
  -DSODIUM_INCLUDE_DIR="$sodium/include" -DSODIUM_LIBRARY="$sodium/lib/libsodium.a" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/support/wine_run.sh" \
  -DQUINTRELA_WINEPREFIX="$WINEPREFIX" -DQUINTRELA_TEST_LANG=C.UTF-8
cmake --build "$build" --parallel "$(nproc)"

# The folder as it ships, stripped, then the zip and the installer.
folder="$out/Quintrela-$version"
rm -rf "$folder"
cmake --install "$build" --prefix "$folder"
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
zip_file="$out/Quintrela-$version-windows-x64.zip"
rm -f "$zip_file"
(cd "$out" && TZ=UTC zip -q -r -X -9 "$zip_file" "Quintrela-$version")
size_kb="$(du -sk "$folder" | cut -f1)"
# What the uninstaller removes: exactly the files installed, deepest folders last.
files="$out/installed-files.nsh"
(cd "$folder" && find . -type f | sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|'
 cd "$folder" && find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') > "$files"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSOURCE="$folder" -DICON="$build/mainwindow/quintrela.ico" \
  -DSIZE_KB="$size_kb" -DFILES="$files" -DOUTFILE="$out/Quintrela-$version-setup.exe" "$root/packaging/windows/Quintrela.nsi"
ls -l "$zip_file" "$out/Quintrela-$version-setup.exe"

[ "${1:-}" = "--test" ] || exit 0

# A Windows of its own for the checks, made fresh each run.
wineserver -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all wine wineboot -i >/dev/null 2>&1
wineserver -w
(cd "$build" && ctest --output-on-failure)
# The records and history exchanges need the Linux build's record saver,
# history tool and protection tool: built here (with the Linux packages)
# when this command runs alone.
linux_tests="$root/${QUINTRELA_LINUX_BUILD:-build}/tests"
if [ ! -x "$linux_tests/record_saver" ] || [ ! -x "$linux_tests/history_tool" ] \
   || [ ! -x "$linux_tests/protection_tool" ]; then
  bash scripts/setup.sh
  cmake -S . -B "$root/build" -DQUINTRELA_BENCH=OFF >/dev/null
  cmake --build "$root/build" --target record_saver history_tool protection_tool --parallel "$(nproc)"
  linux_tests="$root/build/tests"
fi
QUINTRELA_MINGW_PREFIX="$prefix" bash "$root/tests/packaging/windows_run.sh" "$out" "$version" "$build" "$linux_tests"
