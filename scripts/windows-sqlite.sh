#!/usr/bin/env bash
# Builds, once, SQLite for x86_64-w64-mingw32 from Debian's own sqlite3
# source, kept outside the clone in a folder named after its version and
# this recipe. Apart from the Qt build so that a change here never costs a
# Qt build.
# usage: windows-sqlite.sh   (prints the prefix on its last line)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="${QUINTRELA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quintrela}"
# shellcheck source=scripts/debian-source.sh
. "$root/scripts/debian-source.sh"
exec 3>&1 1>&2
version="$(dpkg-query -W -f '${Version}' libsqlite3-dev 2>/dev/null || apt-cache policy libsqlite3-dev | awk '/Candidate:/ {print $2}')"
recipe="$(cat "${BASH_SOURCE[0]}" "$root/scripts/debian-source.sh" | sha256sum | cut -c1-8)"
prefix="$cache/sqlite-windows_${version}-$recipe"
prefix="${prefix//[:~]/_}"
hold_cache_lock windows-sqlite
if [ -f "$prefix/.complete" ]; then echo "$prefix" >&3; exit 0; fi

work="$cache/sqlite-work"
rm -rf "$work" "$cache"/sqlite-windows_*
mkdir -p "$prefix/include" "$prefix/lib"
private_apt "$work"
(cd "$work" && apt-get "${apt_private[@]}" source --download-only "sqlite3=$version" >/dev/null) \
  || die "could not download the source of sqlite3 $version"
src="$work/src"
unpack_source sqlite3 "$work" "$src"
# The one-file form of the library, made by the source's own tools (tclsh).
(cd "$src" && ./configure >/dev/null && make sqlite3.c >/dev/null)
x86_64-w64-mingw32-gcc-posix -O2 -c "$src/sqlite3.c" -o "$work/sqlite3.o" \
  -DSQLITE_THREADSAFE=1 -DSQLITE_DEFAULT_FOREIGN_KEYS=1 -DSQLITE_OMIT_LOAD_EXTENSION
x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3.o"
cp "$src/sqlite3.h" "$prefix/include/"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix" >&3
