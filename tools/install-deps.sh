#!/bin/sh
# Installs the Debian packages that building, running and testing Vantel need.
# Only missing packages are fetched, so a machine that has them all skips apt-get entirely.
set -eu

packages="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
libzstd-dev libgtest-dev libgmock-dev googletest libbenchmark-dev fonts-dejavu-core
xvfb xauth xdotool x11-utils imagemagick libx11-dev libxfixes-dev libxdamage-dev clang libclang-rt-14-dev valgrind
lintian desktop-file-utils appstream
qt6-l10n-tools qt6-translations-l10n gettext po4a
at-spi2-core dbus-daemon dbus-bin python3-pyatspi
weston qt6-wayland
openbox x11-xserver-utils
xserver-xorg-core xserver-xorg-video-dummy"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# Recommends stay out: they would pull in a desktop platform theme the game never uses.
$SUDO apt-get install -y -qq --no-install-recommends $missing
