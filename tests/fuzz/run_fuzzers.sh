#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for a bounded time from its corpus.
#   tests/fuzz/run_fuzzers.sh [SECONDS_PER_TARGET] [TARGET...]
# Defaults: 60 s each for threshold_text, report_descriptor, recording_reader, window and
# hidapi_window. A crash or a failed check makes the script fail; the input that did it is left in
# build/fuzz-clang/artifacts/. Copy it into tests/fuzz/corpus/<target>/ so that the
# replay test keeps it, and fix what it found.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(threshold_text report_descriptor recording_reader window hidapi_window)
build="$top/build/fuzz-clang"
jobs=${FUZZ_BUILD_JOBS:-2}

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all"
cmake -S "$top" -B "$build" \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE= \
    -DCMAKE_CXX_FLAGS="$sanitizers -fsanitize=fuzzer-no-link -fno-omit-frame-pointer -g -O1" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
    -DSHIFTER_BUILD_GUI=OFF -DSHIFTER_BUILD_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
    -DSHIFTER_TEST_FOLDERS=fuzz -DSHIFTER_BUILD_FUZZERS=ON >/dev/null
binaries=()
for target in "${targets[@]}"; do
    binaries+=("${target}_fuzzer")
done
cmake --build "$build" --target "${binaries[@]}" -j"$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
mkdir -p "$build/artifacts"
failed=0
for target in "${targets[@]}"; do
    # New inputs go to a working corpus in the build tree; the repository's stays small.
    work="$build/corpus/$target"
    log="$build/$target.log"
    mkdir -p "$work"
    echo "=== $target: ${seconds} s ==="
    status=0
    "$build/tests/fuzz/${target}_fuzzer" -max_total_time="$seconds" -max_len=4096 \
        -timeout=10 -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$work" "$top/tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' ||
        true)
    echo "$target: ${executions:-?} executions"
    if [ "$status" -ne 0 ]; then
        failed=1
        tail -n 40 "$log"
        echo "$target FAILED (exit $status); inputs in $build/artifacts/, log $log"
    fi
done
exit "$failed"
