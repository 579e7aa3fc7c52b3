#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each from its seed corpus for a bounded time
# (FUZZ_SECONDS, 60 by default). A crash, leak, hang or undefined behaviour fails the run and
# leaves the input that caused it in the build directory.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}
fuzzers=(date_parsing_fuzzer number_conversion_fuzzer design_reader_fuzzer)

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DDORVAK_WERROR=ON -DDORVAK_FUZZ=ON >/dev/null
fi
cmake --build "$build" -j"${JOBS:-2}" --target "${fuzzers[@]}"

# Inputs the fuzzers find go to a scratch corpus; the seeds in the repository stay as they are.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

corpus_of() {
    case $1 in
        date_parsing_fuzzer) echo fuzz/corpus/date ;;
        number_conversion_fuzzer) echo fuzz/corpus/number ;;
        design_reader_fuzzer) echo fuzz/corpus/design app/forms ;;
    esac
}

for fuzzer in "${fuzzers[@]}"; do
    mkdir -p "$scratch/$fuzzer"
    log="$build/fuzz/$fuzzer.log"
    # shellcheck disable=SC2046 # the seed directories are separate arguments
    if ! "$build/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/$fuzzer-" "$scratch/$fuzzer" $(corpus_of "$fuzzer") \
        >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$fuzzer: failed; the input is in $build/fuzz/ (full log: $log)" >&2
        exit 1
    fi
    echo "$fuzzer: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions" \
         "in ${seconds} s, no findings"
done
