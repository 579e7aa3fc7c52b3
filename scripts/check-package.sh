#!/usr/bin/env bash
# Builds the Debian package from a configured build directory into a scratch directory and
# judges it with Debian's own tools: lintian must report no error and no warning, the menu
# entry must pass desktop-file-validate and the AppStream metadata appstreamcli's validation
# of the installed tree (which also finds the menu entry and icon it names).
#
#   scripts/check-package.sh <build directory>
set -euo pipefail

build=${1:?usage: $0 <build directory>}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >/dev/null
deb=$(echo "$scratch"/*.deb)
dpkg-deb -x "$deb" "$scratch/tree"

echo "== lintian $(basename "$deb")"
lintian --fail-on error,warning "$deb"
echo "== desktop-file-validate"
desktop-file-validate "$scratch/tree/usr/share/applications/dorvak.desktop"
echo "== appstreamcli validate-tree"
appstreamcli validate-tree --no-net "$scratch/tree"
