#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: each fuzz target for a
# short while, the Debian package with its autopkgtest, the whole suite (the
# package's checks included) under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="$(nproc)"

# Qt and libical for Windows, when not cached yet: built from Debian's
# sources at the lowest priority, on what the Linux steps leave idle,
# starting while the Linux packages are still being installed.
bash scripts/windows.sh --setup
mkdir -p build-windows
# Its own session is its own scheduling group, which nice alone would not
# lower: the group is lowered too, from inside, once it exists.
setsid bash -c 'echo 19 > /proc/self/autogroup 2>/dev/null; exec nice -n 19 bash scripts/windows-deps.sh' \
  > build-windows/deps.log 2>&1 &
windows_deps=$!
trap 'kill -- -"$windows_deps" 2>/dev/null || true' EXIT
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

echo "== fuzz targets (clang, libFuzzer)"
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUINTRELA_FUZZ=ON -DQUINTRELA_FUZZ_SECONDS=15
cmake --build build-fuzz -j "$jobs"
(cd build-fuzz && ctest --output-on-failure -j "$jobs")

echo "== the Debian package"
bash scripts/package.sh build-asan

echo "== the package's own test (autopkgtest), installed on this machine"
autopkgtest build-package/quintrela_*.dsc build-asan/quintrela_*_amd64.deb -- null

# One build of the suite, the sanitizers' (a second, unsanitized one would
# cost the time the Windows build needs): the package built above is in its
# folder, so the package's checks run with it.
echo "== every test under AddressSanitizer and UndefinedBehaviorSanitizer, in Portuguese (pt_BR)"
cmake -S . -B build-asan -DQUINTRELA_SANITIZE=address,undefined -DQUINTRELA_BENCH=OFF \
  -DQUINTRELA_TEST_LANG=pt_BR.UTF-8
cmake --build build-asan -j "$jobs"
(cd build-asan && ctest --output-on-failure -j "$jobs" --timeout 300)

echo "== Windows: the zip and the installer, checked under Wine"
# Its progress while it is still going, then its result.
kill -0 "$windows_deps" 2>/dev/null \
  && tail -n +1 -f --pid="$windows_deps" build-windows/deps.log | grep --line-buffered -E '^(Building|Waiting|Qt for Windows:)' || true
wait "$windows_deps" || { tail -n 40 build-windows/deps.log; exit 1; }
unset QT_QPA_PLATFORM
QUINTRELA_LINUX_BUILD=build-asan bash scripts/windows.sh --test
