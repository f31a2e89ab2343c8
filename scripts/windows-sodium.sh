#!/usr/bin/env bash
# Builds, once, libsodium for x86_64-w64-mingw32 from Debian's own libsodium
# source, kept outside the clone in a folder named after its version and
# this recipe, as SQLite is.
# usage: windows-sodium.sh   (prints the prefix on its last line)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cache="${QUINTRELA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quintrela}"
# shellcheck source=scripts/debian-source.sh
. "$root/scripts/debian-source.sh"
exec 3>&1 1>&2
version="$(dpkg-query -W -f '${Version}' libsodium-dev 2>/dev/null || apt-cache policy libsodium-dev | awk '/Candidate:/ {print $2}')"
recipe="$(cat "${BASH_SOURCE[0]}" "$root/scripts/debian-source.sh" | sha256sum | cut -c1-8)"
prefix="$cache/sodium-windows_${version}-$recipe"
prefix="${prefix//[:~+]/_}"
hold_cache_lock windows-sodium
if [ -f "$prefix/.complete" ]; then echo "$prefix" >&3; exit 0; fi

work="$cache/sodium-work"
rm -rf "$work" "$cache"/sodium-windows_*
private_apt "$work"
(cd "$work" && apt-get "${apt_private[@]}" source --download-only "libsodium=$version" >/dev/null) \
  || die "could not download the source of libsodium $version"
src="$work/src"
unpack_source libsodium "$work" "$src"
# Static, linked into the programs whole; the library's own release flags.
# Debian's source is the release's repository: its build files made first,
# as Debian's own build does (autoreconf).
(cd "$src" && autoreconf -fi >/dev/null 2>&1 && ./configure --host=x86_64-w64-mingw32 --prefix="$prefix" --disable-shared --enable-static \
   CC=x86_64-w64-mingw32-gcc-posix >/dev/null && make -j"$(nproc)" >/dev/null && make install >/dev/null) \
  || die "libsodium did not build for Windows"
rm -rf "$work"
touch "$prefix/.complete"
echo "$prefix" >&3
