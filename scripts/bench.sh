#!/usr/bin/env bash
# Builds and runs every benchmark of bench/. Each one runs the program's code and a floor or a
# peer (a plain program doing the same work, cp, pdftoppm, a bare Qt window) in turns within
# one run and prints both times and their ratio as counters.
#
# usage: scripts/bench.sh [BUILD_DIR] [-- OPTIONS FOR EVERY BENCHMARK...]
#   BUILD_DIR defaults to build (configured RelWithDebInfo and built if needed); the options go
#   to each program, for instance -- --benchmark_format=json.
#
# The intranet benchmarks write intranets of up to 155,000 files: they work on tmpfs (/dev/shm)
# when it is there, so that making and removing them does not take minutes; the rest work below
# TMPDIR (the disk, usually), as deliveries do.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
if [[ $# -gt 0 && $1 != -- ]]; then
    build=$1
    shift
fi
[[ ${1:-} == -- ]] && shift

jobs=$(nproc)
common=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
command -v ccache >/dev/null && common+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
[[ -f $build/CMakeCache.txt ]] || cmake -S . -B "$build" "${common[@]}" >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null

intranet_tmp=${TMPDIR:-/tmp}
if [[ -d /dev/shm && -w /dev/shm ]]; then intranet_tmp=/dev/shm; fi

echo "Machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
for program in "$build"/bin/*_benchmark; do
    [[ -x $program ]] || continue
    echo
    echo "== $(basename "$program")"
    case $(basename "$program") in
        tree_load_benchmark | window_paint_benchmark)
            TMPDIR=$intranet_tmp "$program" "$@" || status=1 ;;
        *) "$program" "$@" || status=1 ;;
    esac
done
exit $status
