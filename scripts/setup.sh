#!/usr/bin/env bash
# Installs every Debian package that building, running and testing need.
# Safe to run again: apt-get only adds what is missing.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential cmake pkg-config git \
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-translations-l10n qt6-qpa-plugins \
  libgl-dev libgtest-dev libgmock-dev googletest libbenchmark-dev \
  fontconfig fonts-liberation fonts-dejavu-core \
  xvfb xauth x11-utils \
  cups cups-bsd cups-client poppler-utils \
  clang libclang-rt-14-dev
