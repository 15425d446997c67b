#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds everything and runs every test.
# Then builds once more without the desktop window, under AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the logic's tests there (unit and end-to-end replay tests):
# this proves the window logic never links Qt, and any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh

jobs=$(nproc)
common=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARMIO_WERROR=ON)
command -v ccache >/dev/null && common+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build "${common[@]}" >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-nogui "${common[@]}" \
    -DVARMIO_WITH_GUI=OFF -DVARMIO_BUILD_BENCHMARKS=OFF -DVARMIO_SANITIZE=ON >/dev/null
cmake --build build-nogui -j "$jobs"
if ldd build-nogui/bin/varmio-replay | grep -qi qt; then
    echo "varmio-replay links Qt: the window logic must stay free of the GUI toolkit" >&2
    exit 1
fi
ctest --test-dir build-nogui --output-on-failure -j "$jobs"
echo "All tests passed."
