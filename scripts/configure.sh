#!/usr/bin/env bash
# Configures a build directory for `make run` or `make test`:
#   run   the program alone, warnings left as warnings (a user's compiler may be newer)
#   test  the program, tests, benchmarks and gallery, warnings as errors
# The CMake flags a directory was configured with are kept in it. Other flags configure it
# afresh, so that a flag taken away is gone too; the same flags leave it as it is. A directory
# configured for tests serves `make run` as well, which then builds the program alone.
#
#   scripts/configure.sh <build directory> run|test [cmake flags...]
set -euo pipefail
cd "$(dirname "$0")/.."

build=$1
mode=$2
shift 2
flags=$*
recorded=$build/dorvak-cmake-flags

case $mode in
    run) mode_flags=(-DBUILD_TESTING=OFF -DDORVAK_WERROR=OFF) ;;
    test) mode_flags=(-DBUILD_TESTING=ON -DDORVAK_WERROR=ON) ;;
    *)
        echo "usage: $0 <build directory> run|test [cmake flags...]" >&2
        exit 2
        ;;
esac

if [ ! -f "$build/CMakeCache.txt" ] || [ "$(cat "$recorded" 2>/dev/null)" != "$flags" ]; then
    cmake --fresh -S . -B "$build" "$@" "${mode_flags[@]}"
    printf '%s\n' "$flags" >"$recorded"
elif [ "$mode" = test ] && ! { grep -qx 'BUILD_TESTING:BOOL=ON' "$build/CMakeCache.txt" &&
    grep -qx 'DORVAK_WERROR:BOOL=ON' "$build/CMakeCache.txt"; }; then
    cmake -S . -B "$build" "${mode_flags[@]}"
fi
