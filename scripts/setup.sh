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
  libgl-dev libgtest-dev libgmock-dev googletest libbenchmark-dev libical-dev libcups2-dev libsqlite3-dev sqlite3 \
  fontconfig fonts-liberation fonts-dejavu-core \
  xvfb xauth x11-utils xdotool \
  locales dbus at-spi2-core python3-pyatspi python3-gi gir1.2-atspi-2.0 orca openbox \
  cups cups-bsd cups-client poppler-utils \
  dpkg-dev debhelper file lintian appstream desktop-file-utils autopkgtest \
  python3-pil libx11-dev python3-icalendar khal \
  clang libclang-rt-14-dev
# The users' language, for the suite's run under pt_BR.
for locale in pt_BR.UTF-8 en_US.UTF-8; do
  if ! locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then
    $SUDO sed -i "s/^# *${locale} UTF-8/${locale} UTF-8/" /etc/locale.gen
    $SUDO locale-gen >/dev/null
  fi
done
