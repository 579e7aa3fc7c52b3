#!/usr/bin/env bash
# Installs the Debian packages Dorvak needs, in one of two sets:
#   run   building and running the program (`make run`)
#   test  the run set and everything the tests, benchmarks, sanitizer and fuzzing builds and the
#         package checks use (`make test`, CI)
# Idempotent: does nothing when the set is present. With --dry-run it only lists the packages
# of the set that are missing and what apt would install for them, changing nothing.
#
#   scripts/install-deps.sh [--dry-run] run|test
set -euo pipefail

usage() {
    echo "usage: $0 [--dry-run] run|test" >&2
    exit 2
}

dry_run=false
if [ "${1:-}" = --dry-run ]; then
    dry_run=true
    shift
fi
[ $# -eq 1 ] || usage

run_packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libqt6webenginecore6-bin
    qt6-qpa-plugins libgl-dev libxcb1-dev
    fonts-wine
)
test_packages=(
    clang-format clang libclang-rt-14-dev llvm
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core
    cups cups-client cups-bsd printer-driver-cups-pdf
    xvfb xauth xdotool xclip x11-utils openbox imagemagick poppler-utils
    dbus dbus-x11 at-spi2-core python3-pyatspi
    orca
    weston xwayland qt6-wayland
    mutter kwin-wayland
    lintian appstream desktop-file-utils
    devscripts appstream-compose
)

case $1 in
    run) packages=("${run_packages[@]}") ;;
    test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
    *) usage ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if $dry_run; then
    echo "Missing from the $1 set: ${missing[*]:-nothing}"
    if [ ${#missing[@]} -gt 0 ]; then
        # What apt would unpack for them, dependencies included, as it resolves them here.
        apt-get install --simulate --no-install-recommends "${missing[@]}" | sed -n 's/^Inst //p'
    fi
    exit 0
fi
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
