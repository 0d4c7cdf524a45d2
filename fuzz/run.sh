#!/usr/bin/env bash
# Builds the fuzz targets (clang, ASan + UBSan) and runs each for SECONDS (10 unless given) on its
# corpus. New inputs go to a scratch folder, never into the committed corpus. A crash, a leak or
# undefined behaviour fails the run; the input that caused it is left in fuzz/crashes/.
#   fuzz/run.sh          a short run of every target, as ./test.sh does
#   fuzz/run.sh 600      ten minutes a target
#   fuzz/run.sh 60 fuzz_templates
set -euo pipefail
QUELTA_ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD="$QUELTA_ROOT/build-fuzz"
seconds=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_reply_dispatcher fuzz_status_frames fuzz_templates fuzz_headers fuzz_read_stream fuzz_string_cipher fuzz_event_history fuzz_snapshot_record fuzz_map_position fuzz_update_frames)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
[ -f "$BUILD/CMakeCache.txt" ] || CC=clang CXX=clang++ cmake -S "$QUELTA_ROOT" -B "$BUILD" -DQUELTA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)" >"$scratch/build.log" 2>&1 || { cat "$scratch/build.log" >&2; exit 1; }
mkdir -p "$QUELTA_ROOT/fuzz/crashes"
failed=0
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    log="$scratch/$target.log"
    if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$BUILD/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
            -artifact_prefix="$QUELTA_ROOT/fuzz/crashes/$target-" \
            "$scratch/$target" "$QUELTA_ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "$target: ${runs:-?} executions, no fault"
    else
        echo "$target: FAILED" >&2
        tail -40 "$log" >&2
        failed=$((failed + 1))
    fi
done
echo "fuzz: $((${#targets[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
