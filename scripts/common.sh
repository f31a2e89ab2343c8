# Shared by the scripts (sourced): root or sudo, installing Debian packages,
# the version.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

# Installs the packages named that are not installed yet, reading the lists
# afresh first; with all of them there, apt is not asked at all.
install_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f '${Status}\n' "$package" 2>/dev/null | grep -q ' installed$' || missing+=("$package")
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
}

# The one version: the first line of debian/changelog (CMake reads it there too).
quintrela_version() {
  sed -n '1s/^quintrela (\([0-9.]*\)).*/\1/p' "$root/debian/changelog"
}
