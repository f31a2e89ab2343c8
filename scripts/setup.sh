#!/usr/bin/env bash
# Installs the Debian packages that building and running need; without
# --run, also those every test needs. Safe to run again: only what is
# missing is installed.
# usage: setup.sh [--run]
set -euo pipefail
# shellcheck source=scripts/common.sh
. "$(dirname "$0")/common.sh"
case "${1:-}" in
  ""|--run) ;;
  *) echo "usage: setup.sh [--run]" >&2; exit 2 ;;
esac

run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-translations-l10n qt6-qpa-plugins
  libgl-dev libical-dev libcups2-dev libsqlite3-dev libsodium-dev
  fontconfig fonts-liberation fonts-dejavu-core
)
test_packages=(
  git libgtest-dev libgmock-dev googletest libbenchmark-dev sqlite3
  xvfb xauth x11-utils xdotool
  locales dbus at-spi2-core python3-pyatspi python3-gi gir1.2-atspi-2.0 orca openbox
  cups cups-bsd cups-client poppler-utils
  dpkg-dev debhelper file lintian appstream desktop-file-utils autopkgtest
  python3-pil libx11-dev python3-icalendar khal dunst
  clang libclang-rt-14-dev
)
if [ "${1:-}" = --run ]; then
  install_packages "${run_packages[@]}"
  exit 0
fi
install_packages "${run_packages[@]}" "${test_packages[@]}"
# The users' language, for the suite's run under pt_BR.
for locale in pt_BR.UTF-8 en_US.UTF-8; do
  if ! locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then
    $SUDO sed -i "s/^# *${locale} UTF-8/${locale} UTF-8/" /etc/locale.gen
    $SUDO locale-gen >/dev/null
  fi
done
