#!/usr/bin/env bash
# fuzz.sh [SECONDS]: builds the fuzz targets of tests/fuzz with clang's libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer and runs each for SECONDS (default 60), from
# its seed corpus in tests/fuzz/corpus/<target>/. A crash or a broken property is kept in
# tests/fuzz/regressions/<target>/, where every normal test run replays it; the corpus that
# grows while fuzzing stays in the build folder (FUZZ_BUILD_DIR, default build-fuzz/).
# Exits 1 when something was found or a target did not run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-build-fuzz}
targets=(profile_file config_file error_box_text title_and_path statements)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DSALSENDCHECK_SANITIZE=ON -DSALSENDCHECK_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Runs one target; its crash files land in $work/found/.
fuzz_target() {
    local target=$1 work=$2
    rm -rf "$work/found"
    mkdir -p "$work/corpus" "$work/found"
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/found/" "$work/corpus" "tests/fuzz/corpus/$target" \
        >"$work/log" 2>&1 || true
}

# Moves what the run found into the regressions; false when there was nothing.
keep_findings() {
    local target=$1 work=$2 file
    compgen -G "$work/found/*" >/dev/null || return 1
    mkdir -p "tests/fuzz/regressions/$target"
    for file in "$work"/found/*; do mv "$file" "tests/fuzz/regressions/$target/"; done
}

status=0
for target in "${targets[@]}"; do
    work="$build/fuzz-work/$target"
    fuzz_target "$target" "$work"
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    if keep_findings "$target" "$work"; then
        status=1
        echo "$target: FOUND a fault after ${execs:-?} runs, kept in tests/fuzz/regressions/$target/"
        grep -E 'property broken|ERROR: |SUMMARY' "$work/log" | head -n 5
    elif [ -z "$execs" ]; then
        status=1
        echo "$target: did not run"
        tail -n 20 "$work/log"
    else
        echo "$target: $execs runs in ${seconds}s, nothing found"
    fi
done
exit "$status"
