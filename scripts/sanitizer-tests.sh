#!/usr/bin/env bash
# Builds the unit and window tests with AddressSanitizer and UndefinedBehaviorSanitizer in a
# build directory of their own and runs them. Any report fails the run: undefined behaviour
# aborts, and a leak fails the test that leaked.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${SANITIZE_BUILD:-build-sanitize}
jobs=${JOBS:-2}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
        -DBUILD_TESTING=ON -DDORVAK_WERROR=ON -DDORVAK_SANITIZE=ON -DDORVAK_BENCHMARKS=OFF \
        >/dev/null
fi
cmake --build "$build" -j"$jobs"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside the system's libraries (fontconfig's caches, the browser engine) are not ours
# to fix.
export LSAN_OPTIONS=suppressions=$PWD/scripts/sanitizer-leaks.supp:print_suppressions=0

# The end-to-end tests and the package checks take the normal build; here every other test
# runs. The tests that start the browser engine run apart: the engine frees some of its own
# objects with a size that AddressSanitizer, not seeing how the engine was built, takes for a
# mismatch.
browser='^(WebBrowserTest|StartUpWindow)[.]'
ctest --test-dir "$build" --output-on-failure -j"$jobs" -LE 'e2e|package' -E "$browser"
ASAN_OPTIONS=$ASAN_OPTIONS:new_delete_type_mismatch=0 \
    ctest --test-dir "$build" --output-on-failure -j"$jobs" -LE 'e2e|package' -R "$browser"
