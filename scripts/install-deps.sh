#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Dorvak need.
# Idempotent: does nothing when everything is present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    clang libclang-rt-14-dev llvm
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin
    qt6-qpa-plugins libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-wine fonts-dejavu-core
    cups cups-client cups-bsd printer-driver-cups-pdf libcups2
    xvfb xauth xdotool xclip x11-utils openbox imagemagick poppler-utils
    dbus dbus-x11 at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
