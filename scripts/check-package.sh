#!/usr/bin/env bash
# Builds the Debian package from a configured build directory into a scratch directory and
# judges it with Debian's own tools: lintian must report no error and no warning, the menu
# entry must pass desktop-file-validate, the AppStream metadata appstreamcli's validation of the
# installed tree (which also finds the menu entry and icon it names) and a compose of it as a
# software centre's catalog is made, both binaries must carry Debian's default hardening
# (hardening-check), and a second package built from the same tree must be the same, byte for
# byte.
#
#   scripts/check-package.sh <build directory>
set -euo pipefail

build=${1:?usage: $0 <build directory>}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/first" >/dev/null
cpack --config "$build/CPackConfig.cmake" -B "$scratch/second" >/dev/null
deb=$(echo "$scratch"/first/*.deb)
dpkg-deb -x "$deb" "$scratch/tree"

echo "== lintian $(basename "$deb")"
lintian --fail-on error,warning "$deb"
echo "== desktop-file-validate"
desktop-file-validate "$scratch/tree/usr/share/applications/dorvak.desktop"
echo "== appstreamcli validate-tree"
appstreamcli validate-tree --no-net "$scratch/tree"
echo "== appstreamcli compose"
# Offline: the screenshot stays a link, which is what the catalog of a local build can hold.
appstreamcli compose --no-net --no-color --origin=dorvak --result-root="$scratch/catalog" \
    "$scratch/tree" | tee "$scratch/compose.log"
! grep -q '^E:' "$scratch/compose.log"
zgrep -q '<id>example.velto.dorvak</id>' "$scratch"/catalog/usr/share/swcatalog/xml/dorvak.xml.gz
echo "== hardening-check"
# Debian's defaults: immediate binding and control-flow protection are not among them.
# Fortified calls appear only where the compiler knows the size of the buffer written, which the
# program's C++ containers never let it: hardening-check then finds "only unprotected functions"
# (memcpy, memmove, memset) although the flag was given. So its verdict on fortification is
# shown but not required, and the flag itself is required of every source file of the programs.
binaries=("$scratch/tree/usr/lib/dorvak/dorvak" "$scratch/tree/usr/lib/dorvak/dorvak-page")
hardening-check --nobindnow --nocfprotection --nofortify "${binaries[@]}"
python3 - "$build/compile_commands.json" <<'EOF_PY'
import json, sys
program = [c for c in json.load(open(sys.argv[1]))
           if not any("/%s/" % d in c["file"] for d in ("tests", "bench", "tools", "fuzz"))]
unfortified = [c["file"] for c in program if "-D_FORTIFY_SOURCE=" not in c["command"]]
if unfortified:
    sys.exit("compiled without _FORTIFY_SOURCE: " + ", ".join(unfortified))
print("all %d source files of the programs compiled with _FORTIFY_SOURCE" % len(program))
EOF_PY
echo "== the same package twice"
cmp "$deb" "$(echo "$scratch"/second/*.deb)"
echo "identical: $(basename "$deb")"
