# Sourced by the Windows dependency builds: Debian's own source packages,
# fetched through a private apt, unpacked with Debian's patches, built one
# run at a time. Expects $cache.

die() { echo "$(basename "$0"): $*" >&2; exit 1; }

# NAME: one build of the cache at a time. A second run waits, then finds
# the first one's result instead of deleting it mid-build.
hold_cache_lock() {
  mkdir -p "$cache"
  exec 9>"$cache/.$1.lock"
  flock -n 9 || { echo "Waiting for another build of $1 in $cache…" >&2; flock 9; }
}

# WORK: an apt of its own with sources enabled for every repository the
# system lists (one-line .list files and deb822 .sources alike), leaving the
# machine's configuration, lists and caches alone: the system's apt may be
# installing packages at the same time.
apt_etc="${QUINTRELA_APT_ETC:-/etc/apt}"
private_apt() {
  local work="$1" f
  mkdir -p "$work/apt/sources" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"
  for f in "$apt_etc"/sources.list.d/*.sources; do
    [ -e "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" > "$work/apt/sources/$(basename "$f")"
  done
  for f in "$apt_etc"/sources.list "$apt_etc"/sources.list.d/*.list; do
    [ -s "$f" ] && sed -nE 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' "$f" > "$work/apt/sources/system-$(basename "$f")"
  done
  apt_private=(-o Dir::Etc::SourceParts="$work/apt/sources" -o Dir::Etc::SourceList=/dev/null
               -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache")
  apt-get "${apt_private[@]}" update >/dev/null || die "apt could not read the source lists"
  return 0
}

# PACKAGE WORK DIR: Debian's tarballs, Debian's patches in Debian's order.
# Any that fails stops the build: a half-patched Qt would build and be cached.
unpack_source() {
  local package="$1" work="$2" dir="$3" orig debian patch
  orig="$(ls "$work"/"$package"_*.orig.tar.* 2>/dev/null | head -n1 || true)"
  [ -n "$orig" ] || die "no source of $package was downloaded"
  mkdir -p "$dir"
  tar -xf "$orig" -C "$dir" --strip-components=1 || die "could not unpack $(basename "$orig")"
  debian="$(ls "$work"/"$package"_*.debian.tar.* 2>/dev/null | head -n1 || true)"
  [ -n "$debian" ] || return 0
  tar -xf "$debian" -C "$dir" || die "could not unpack $(basename "$debian")"
  [ -f "$dir/debian/patches/series" ] || return 0
  while read -r patch _; do
    case "$patch" in '' | '#'*) continue ;; esac
    patch -d "$dir" -p1 -s < "$dir/debian/patches/$patch" || die "Debian's patch $patch does not apply to $package"
  done < "$dir/debian/patches/series"
}

# LABEL: a build's own count from Ninja, told every 5 per cent; other lines
# (warnings, errors) pass as they come.
progress() {
  awk -v label="$1" 'BEGIN { last = -1 }
    match($0, /^\[[0-9]+\/[0-9]+\]/) {
      split(substr($0, 2, RLENGTH - 2), n, "/")
      p = int(100 * n[1] / n[2] / 5) * 5
      if (p != last) { printf "%s: %d%% (%d of %d)\n", label, p, n[1], n[2]; fflush(); last = p }
      next
    }
    { print; fflush() }'
}
