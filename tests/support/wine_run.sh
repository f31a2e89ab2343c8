#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, finding the libraries in
# the cross-built prefix and the compiler's runtime, as the shipped folder
# has them beside it. ctest's emulator for the Windows build.
# usage: wine_run.sh PROGRAM.exe ARGS...   (QUINTRELA_MINGW_PREFIX, WINEPREFIX set)
set -euo pipefail
: "${QUINTRELA_MINGW_PREFIX:?}" "${WINEPREFIX:?}"
runtime="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")"
threads="$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")"
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="Z:$QUINTRELA_MINGW_PREFIX/bin;Z:$runtime;Z:$threads"
export QT_PLUGIN_PATH="Z:$QUINTRELA_MINGW_PREFIX/plugins"
exec wine "$@"
