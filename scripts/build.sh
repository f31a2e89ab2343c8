#!/usr/bin/env bash
# Configures and builds into build/ (both programs land in build/Quintrela/);
# arguments go to CMake's configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j "$(nproc)"
