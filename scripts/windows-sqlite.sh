#!/usr/bin/env bash
# Builds, once, SQLite for x86_64-w64-mingw32 from Debian's own sqlite3
# source, kept outside the clone in a folder named after its version and
# this recipe. Apart from the Qt build so that a change here never costs a
# Qt build.
# usage: windows-sqlite.sh   (prints the prefix on its last line)
set -euo pipefail
cache="${QUINTRELA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quintrela}"
version="$(dpkg-query -W -f '${Version}' libsqlite3-dev 2>/dev/null || apt-cache policy libsqlite3-dev | awk '/Candidate:/ {print $2}')"
recipe="$(sha256sum < "${BASH_SOURCE[0]}" | cut -c1-8)"
prefix="$cache/sqlite-windows_${version}-$recipe"
prefix="${prefix//[:~]/_}"
if [ -f "$prefix/.complete" ]; then echo "$prefix"; exit 0; fi

work="$cache/sqlite-work"
rm -rf "$work" "$cache"/sqlite-windows_*
mkdir -p "$work/apt/sources" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$prefix/include" "$prefix/lib"
# Sources enabled in a private copy of the lists, as for Qt.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -e "$f" ] && sed "s/^Types: deb$/Types: deb-src/" "$f" > "$work/apt/sources/$(basename "$f")"
done
if [ -s /etc/apt/sources.list ]; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list > "$work/apt/sources/system.list"
fi
apt_private=(-o Dir::Etc::SourceParts="$work/apt/sources" -o Dir::Etc::SourceList=/dev/null
             -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
apt-get "${apt_private[@]}" update >/dev/null
(cd "$work" && apt-get "${apt_private[@]}" source --download-only "sqlite3=$version" >/dev/null)

src="$work/src"
mkdir -p "$src"
tar -xf "$(ls "$work"/sqlite3_*.orig.tar.* | grep -v www | head -n1)" -C "$src" --strip-components=1
tar -xf "$(ls "$work"/sqlite3_*.debian.tar.* | head -n1)" -C "$src"
if [ -f "$src/debian/patches/series" ]; then
  grep -v '^\s*#' "$src/debian/patches/series" | while read -r patch _; do
    [ -n "$patch" ] && patch -d "$src" -p1 -s < "$src/debian/patches/$patch"
  done
fi
# The one-file form of the library, made by the source's own tools (tclsh).
(cd "$src" && ./configure >/dev/null && make sqlite3.c >/dev/null)
x86_64-w64-mingw32-gcc-posix -O2 -c "$src/sqlite3.c" -o "$work/sqlite3.o" \
  -DSQLITE_THREADSAFE=1 -DSQLITE_DEFAULT_FOREIGN_KEYS=1 -DSQLITE_OMIT_LOAD_EXTENSION
x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3.o"
cp "$src/sqlite3.h" "$prefix/include/"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix"
