#!/usr/bin/env bash
# The Windows dependency build against a stand-in apt: it must stop, saying
# why, at a source that does not unpack or a patch that does not apply (never
# configure half a Qt), see one-line .list repositories as well as .sources,
# wait for another run instead of deleting its build, and refuse a changed
# recipe under an old cache name.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL [$case]: $*"; failures=$((failures + 1)); }

mkdir -p "$tmp/bin"
cat > "$tmp/bin/apt-get" <<'STUB'
#!/bin/bash
for a; do case "$a" in Dir::Etc::SourceParts=*) parts="${a#*=}" ;; esac; done
case " $* " in
  *" update "*) cp -r "$parts" "$FAKE_LOG/sources" ;;
  *" source "*) [ -n "${FAKE_SOURCES:-}" ] && cp "$FAKE_SOURCES"/* . ;;
esac
STUB
printf '#!/bin/sh\nprintf 6.4.2+dfsg-10\n' > "$tmp/bin/dpkg-query"
chmod +x "$tmp/bin/"*

# Sources: one whose configure leaves a mark, Debian's part with one patch.
make_sources() {  # DIR PATCH-TARGET
  local d="$1" staging="$1.staging"
  mkdir -p "$d" "$staging/qt/sub" "$staging/debian/patches"
  printf '#!/bin/sh\ntouch "$FAKE_LOG/configured"; exit 1\n' > "$staging/qt/configure"
  chmod +x "$staging/qt/configure"
  echo "first line" > "$staging/qt/sub/file.txt"
  printf -- '--- a/%s\n+++ b/%s\n@@ -1 +1 @@\n-first line\n+patched line\n' "$2" "$2" \
    > "$staging/debian/patches/change.patch"
  printf '# Debian order\nchange.patch\n' > "$staging/debian/patches/series"
  tar -cJf "$d/qt6-base_6.4.2+dfsg.orig.tar.xz" -C "$staging" qt
  tar -cJf "$d/qt6-base_6.4.2+dfsg-10.debian.tar.xz" -C "$staging" debian
}
make_sources "$tmp/good" sub/file.txt
make_sources "$tmp/badpatch" sub/missing.txt
mkdir -p "$tmp/badtar"
cp "$tmp/good/"*.debian.tar.xz "$tmp/badtar/"
echo "not a tarball" > "$tmp/badtar/qt6-base_6.4.2+dfsg.orig.tar.xz"

mkdir -p "$tmp/etc/sources.list.d"
printf 'deb [signed-by=/k.gpg] http://example.org/debian bookworm main\n' > "$tmp/etc/sources.list.d/extra.list"
printf 'Types: deb\nURIs: http://deb.example.org/debian\nSuites: bookworm\nComponents: main\n' \
  > "$tmp/etc/sources.list.d/debian.sources"

run() {  # SOURCES SCRIPT → output in $out, status in $status
  rm -rf "$tmp/log" "$tmp/cache/work"; mkdir -p "$tmp/log"
  out="$(PATH="$tmp/bin:$PATH" FAKE_LOG="$tmp/log" FAKE_SOURCES="$1" QUINTRELA_CACHE="$tmp/cache" \
         QUINTRELA_APT_ETC="$tmp/etc" bash "$2" 2>&1)"
  status=$?
}

#     case       sources           configured  said
table=(
  "patches     $tmp/good         yes         -"
  "tarball     $tmp/badtar       no          could not unpack qt6-base_6.4.2+dfsg.orig.tar.xz"
  "patch       $tmp/badpatch     no          Debian's patch change.patch does not apply to qt6-base"
  "download    none              no          could not download the source of qt6-base"
)
for row in "${table[@]}"; do
  read -r case sources configured said <<< "$row"
  [ "$sources" = none ] && sources=""
  run "$sources" "$root/scripts/windows-deps.sh"
  [ "$status" -ne 0 ] || fail "the build was told as done"
  [ -e "$tmp/log/configured" ] && got=yes || got=no
  [ "$got" = "$configured" ] || fail "configure reached: $got, expected $configured"
  [ "$said" = - ] || grep -qF -- "$said" <<< "$out" || fail "never said '$said'; said: $out"
  ls "$tmp/cache"/mingw-*/.complete >/dev/null 2>&1 && fail "a failed build was kept as complete"
done

case=repositories
grep -qxF 'deb-src [signed-by=/k.gpg] http://example.org/debian bookworm main' "$tmp/log/sources/"*extra.list \
  || fail "the .list repository was not given sources"
grep -qxF 'Types: deb-src' "$tmp/log/sources/debian.sources" || fail "the .sources repository was not given sources"

case=lock
mkdir -p "$tmp/cache/mingw-older"
exec 8>"$tmp/cache/.windows-deps.lock"
flock 8
(run "$tmp/badtar" "$root/scripts/windows-deps.sh") 8>&- &
waiter=$!
sleep 2
[ -d "$tmp/cache/mingw-older" ] || fail "another run's build was deleted while it held the cache"
kill -0 "$waiter" 2>/dev/null || fail "the second run did not wait"
exec 8>&-
wait "$waiter"
[ -d "$tmp/cache/mingw-older" ] && fail "the run never went on once the cache was free"

case=recipe
mkdir -p "$tmp/tree/scripts" "$tmp/tree/packaging/windows"
cp "$root/scripts/debian-source.sh" "$tmp/tree/scripts/"
cp "$root/packaging/windows/mingw-w64-x86_64.cmake" "$tmp/tree/packaging/windows/"
sed 's/-no-feature-dial /-no-feature-dial -no-feature-lineedit /' "$root/scripts/windows-deps.sh" \
  > "$tmp/tree/scripts/windows-deps.sh"
run "$tmp/good" "$tmp/tree/scripts/windows-deps.sh"
grep -qF "the recipe changed" <<< "$out" || fail "a changed recipe was not refused; said: $out"
[ -e "$tmp/log/configured" ] && fail "a changed recipe was built under the old name"

[ "$failures" -eq 0 ] && echo "all cases passed"
exit $((failures > 0))
