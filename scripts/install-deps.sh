#!/usr/bin/env bash
# Installs what building, playing and testing Quintdraw needs on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    fonts-liberation fontconfig
)
if [ "${1:-}" = "--test" ]; then
    # file, for CPack to find the package's library dependencies; lintian and man-db, to check
    # the package and its manual page; sanitizers and fuzzing with Debian's clang; a real X
    # server, a window manager, input tools and window pictures (imagemagick) for the end-to-end tests and the screenshots; the
    # validators for the desktop files; the accessibility bus and the Orca screen reader with
    # speech-dispatcher for the screen-reader tests; XFS for the power-cut test.
    packages+=(file lintian man-db clang libclang-rt-14-dev xvfb xauth openbox xdotool x11-utils imagemagick
               desktop-file-utils appstream dbus-daemon at-spi2-core python3-pyatspi
               orca speech-dispatcher xfsprogs)
elif [ "${1:-}" = "--bench" ]; then
    # The benchmark watches the windows through the X server's DAMAGE extension.
    packages+=(xvfb xauth openbox xdotool libx11-dev libxdamage-dev)
fi
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
