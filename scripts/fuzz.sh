#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, then runs each for SECONDS (default 60), one after
# another. Inputs that reach new code go to build-fuzz/corpus/NAME; the seeds in fuzz/corpus/NAME
# are read, never written. A crash, a hang or a memory blow-up is saved under
# build-fuzz/artifacts/NAME/ and fails the run: once fixed, copy it into fuzz/corpus/NAME so the
# test build replays it from then on.
#
# Usage: scripts/fuzz.sh [SECONDS] [NAME...] [-- LIBFUZZER-FLAG...]
#   scripts/fuzz.sh 0 reg_file -- -runs=10000000   runs one target for ten million inputs
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
if [[ $# -gt 0 && $1 =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
names=()
while [[ $# -gt 0 && $1 != "--" ]]; do
    names+=("$1")
    shift
done
[[ $# -gt 0 ]] && shift
extra=("$@")

build=build-fuzz
config=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++
    -DVARMIO_FUZZ=ON -DVARMIO_SANITIZE=ON
    -DVARMIO_WITH_GUI=OFF -DVARMIO_BUILD_TESTS=OFF -DVARMIO_BUILD_BENCHMARKS=OFF)
command -v ccache >/dev/null && config+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" "${config[@]}" >/dev/null
cmake --build "$build" --target varmio_fuzz_targets -j "${VARMIO_BUILD_JOBS:-2}"

if [[ ${#names[@]} -eq 0 ]]; then
    for seeds in fuzz/corpus/*/; do
        names+=("$(basename "$seeds")")
    done
fi

failed=()
for name in "${names[@]}"; do
    program=$build/bin/fuzz-$name
    [[ -x $program ]] || { echo "no fuzz target $name" >&2; exit 2; }
    mkdir -p "$build/corpus/$name" "$build/artifacts/$name" "$build/logs"
    flags=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=1024
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$name/")
    [[ -f fuzz/dict/$name.dict ]] && flags+=(-dict="fuzz/dict/$name.dict")
    log=$build/logs/$name.log
    echo "== $name (log: $log)"
    if "$program" "${flags[@]}" "${extra[@]}" "$build/corpus/$name" "fuzz/corpus/$name" \
        >"$log" 2>&1; then
        grep -E '^stat::number_of_executed_units' "$log" || true
    else
        failed+=("$name")
        grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|property broken)' "$log" | head -5 || true
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzzing found problems in: ${failed[*]} (inputs under $build/artifacts/)" >&2
    exit 1
fi
echo "No problems found."
