#!/usr/bin/env bash
# Builds, once, what the Windows programs link against, from Debian's own
# sources: Qt (qtbase), libical and GoogleTest for x86_64-w64-mingw32.
# The result is kept outside the clone, in a folder named after the source
# versions and the recipe, and reused while it is complete.
# usage: windows-deps.sh   (prints the prefix on its last line; all else,
#                           progress included, goes to stderr)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
toolchain="$root/packaging/windows/mingw-w64-x86_64.cmake"
cache="${QUINTRELA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quintrela}"
jobs="$(nproc)"
# shellcheck source=scripts/debian-source.sh
. "$root/scripts/debian-source.sh"
exec 3>&1 1>&2

# What is built is the recipe (between the marks below) and the toolchain
# file; the cache's name carries the recipe's id. The recipe is checked
# against its sum, so a changed one never reuses an older build, while how
# the sources are fetched and the build is told may change without one.
recipe_id=469463b1
recipe_sum=4442f8677e7f36b7
recipe_now="$(sed -n '/^# recipe {$/,/^# }$/p' "${BASH_SOURCE[0]}" | cat - "$toolchain" | sha256sum | cut -c1-16)"
[ "$recipe_now" = "$recipe_sum" ] \
  || die "the recipe changed: give recipe_id a new value, and recipe_sum=$recipe_now"

version_of() { dpkg-query -W -f '${Version}' "$1" 2>/dev/null || apt-cache policy "$1" | awk '/Candidate:/ {print $2}'; }
qt_version="$(version_of qt6-base-dev)"
ical_version="$(version_of libical-dev)"
gtest_version="$(version_of googletest)"
prefix="$cache/mingw-qt6-base_${qt_version}-libical_${ical_version%+b*}-googletest_${gtest_version}-$recipe_id"
prefix="${prefix//[:~]/_}"
hold_cache_lock windows-deps
if [ -f "$prefix/.complete" ]; then echo "$prefix" >&3; exit 0; fi
echo "Building Qt, libical and GoogleTest for Windows once (about 25 minutes on two cores) into $prefix"

work="$cache/work"
# Builds of older sources or recipes are not used again.
rm -rf "$work" "$cache"/mingw-*
mkdir -p "$prefix"
private_apt "$work"
(cd "$work" && apt-get "${apt_private[@]}" source --download-only "qt6-base=$qt_version") \
  || die "could not download the source of qt6-base $qt_version"
# libical's Debian tarball has been seen missing from the mirror while the
# upstream one was there: the upstream tarball alone is enough.
(cd "$work" && apt-get "${apt_private[@]}" source --download-only libical3) \
  || ls "$work"/libical3_*.orig.tar.* >/dev/null || die "could not download the source of libical3"

# recipe {
qt_src="$work/qt6-base-src"
unpack_source qt6-base "$work" "$qt_src"
mkdir -p "$work/qt-build"
# Only what the two programs use, so that the first build fits beside the
# Linux tests on two cores: no second (Direct2D) platform plugin, none of the
# widgets and dialogs they never show, no OpenType shaper (their texts are
# Portuguese, kerned from the font's own table). Qt's -O2/-O3 give way to
# -O1: measured here, as quick to compile and with smaller libraries.
(cd "$work/qt-build" && "$qt_src/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
   -release -shared -nomake tests -nomake examples -no-opengl -no-dbus -no-icu -no-zstd \
   -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
   -no-feature-tabletevent -no-feature-direct2d1_1 -no-feature-graphicsview \
   -no-feature-printpreviewwidget -no-feature-printpreviewdialog -no-feature-mdiarea \
   -no-feature-textmarkdownreader -no-feature-textmarkdownwriter -no-feature-textodfwriter \
   -no-feature-wizard -no-feature-splashscreen -no-feature-fontdialog -no-feature-colordialog \
   -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-lcdnumber -no-feature-toolbox \
   -no-feature-systemtrayicon -no-feature-fontcombobox -no-feature-columnview -no-feature-undoview \
   -no-feature-undogroup -no-feature-undostack -no-feature-undocommand -no-feature-commandlinkbutton \
   -no-feature-dial -no-feature-keysequenceedit -no-feature-errormessage \
   -qt-zlib -qt-libpng -no-libjpeg -no-gif -qt-pcre -no-harfbuzz -qt-freetype -qt-doubleconversion \
   -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
   -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
   -DQT_USE_DEFAULT_CMAKE_OPTIMIZATION_FLAGS=ON \
   -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O1 -DNDEBUG")
cmake --build "$work/qt-build" --parallel "$jobs" | progress "Qt for Windows"
cmake --install "$work/qt-build"

ical_src="$work/libical3-src"
unpack_source libical3 "$work" "$ical_src"
cmake -S "$ical_src" -B "$work/ical-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DSHARED_ONLY=ON -DWITH_CXX_BINDINGS=OFF -DICAL_GLIB=OFF -DICAL_GLIB_VAPI=OFF \
  -DGOBJECT_INTROSPECTION=OFF -DICAL_BUILD_DOCS=OFF -DLIBICAL_BUILD_TESTING=OFF \
  -DUSE_BUILTIN_TZDATA=ON -DCMAKE_DISABLE_FIND_PACKAGE_ICU=ON -DCMAKE_DISABLE_FIND_PACKAGE_BerkeleyDB=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Doxygen=ON >/dev/null
cmake --build "$work/ical-build" --parallel "$jobs"
cmake --install "$work/ical-build" >/dev/null

# Debian ships GoogleTest as source; static, so the test programs need no DLL.
cmake -S /usr/src/googletest -B "$work/gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
  -Dgtest_disable_pthreads=OFF >/dev/null
cmake --build "$work/gtest-build" --parallel "$jobs"
cmake --install "$work/gtest-build" >/dev/null
# }

rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix" >&3
