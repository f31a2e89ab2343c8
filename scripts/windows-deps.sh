#!/usr/bin/env bash
# Builds, once, what the Windows programs link against, from Debian's own
# sources: Qt (qtbase), libical and GoogleTest for x86_64-w64-mingw32.
# The result is kept outside the clone, in a folder named after the source
# versions, and reused while it is complete.
# usage: windows-deps.sh   (prints the prefix on its last line)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
toolchain="$root/packaging/windows/mingw-w64-x86_64.cmake"
cache="${QUINTRELA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quintrela}"
jobs="$(nproc)"

version_of() { dpkg-query -W -f '${Version}' "$1" 2>/dev/null || apt-cache policy "$1" | awk '/Candidate:/ {print $2}'; }
qt_version="$(version_of qt6-base-dev)"
ical_version="$(version_of libical-dev)"
gtest_version="$(version_of googletest)"
# The recipe is part of the name: a changed one never reuses an older build.
recipe="$(cat "${BASH_SOURCE[0]}" "$toolchain" | sha256sum | cut -c1-8)"
prefix="$cache/mingw-qt6-base_${qt_version}-libical_${ical_version%+b*}-googletest_${gtest_version}-$recipe"
prefix="${prefix//[:~]/_}"
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

work="$cache/work"
# Builds of older sources or recipes are not used again.
rm -rf "$work" "$cache"/mingw-*
mkdir -p "$work/apt/sources" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$prefix"

# Debian keeps deb-src out of the system's lists: give apt a private copy of
# them with sources enabled, leaving the machine's own configuration alone.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -e "$f" ] && sed "s/^Types: deb$/Types: deb-src/" "$f" > "$work/apt/sources/$(basename "$f")"
done
if [ -s /etc/apt/sources.list ]; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$work/apt/sources/system.list"
fi
# Lists and caches of its own too: the system's apt may be installing
# packages at the same time.
apt_private=(-o Dir::Etc::SourceParts="$work/apt/sources" -o Dir::Etc::SourceList=/dev/null
             -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
apt-get "${apt_private[@]}" update >/dev/null
(cd "$work" && apt-get "${apt_private[@]}" source --download-only "qt6-base=$qt_version")
# libical's Debian tarball has been seen missing from the mirror while the
# upstream one was there: the upstream tarball alone is enough.
(cd "$work" && apt-get "${apt_private[@]}" source --download-only libical3) \
  || ls "$work"/libical3_*.orig.tar.* >/dev/null

# Debian's tarballs, Debian's patches in Debian's order.
unpack() {  # PACKAGE → prints the source folder
  local orig dir
  orig="$(ls "$work"/"$1"_*.orig.tar.* | head -n1)"
  dir="$work/$1-src"
  mkdir -p "$dir"
  tar -xf "$orig" -C "$dir" --strip-components=1
  if ls "$work"/"$1"_*.debian.tar.* >/dev/null 2>&1; then
    tar -xf "$(ls "$work"/"$1"_*.debian.tar.* | head -n1)" -C "$dir"
    if [ -f "$dir/debian/patches/series" ]; then
      grep -v '^\s*#' "$dir/debian/patches/series" | while read -r patch _; do
        [ -n "$patch" ] && patch -d "$dir" -p1 -s < "$dir/debian/patches/$patch"
      done
    fi
  fi
  echo "$dir"
}

qt_src="$(unpack qt6-base)"
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
cmake --build "$work/qt-build" --parallel "$jobs"
cmake --install "$work/qt-build"

ical_src="$(unpack libical3)"
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

rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
