#!/usr/bin/env bash
# Installs what is missing, checks formatting, builds everything and runs every test.
# Then builds once more without the desktop window and runs the logic's tests there, which
# proves the window logic never links Qt.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-nogui -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVARMIO_WITH_GUI=OFF -DVARMIO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-nogui -j "$jobs"
if ldd build-nogui/bin/varmio-replay | grep -qi qt; then
    echo "varmio-replay links Qt: the window logic must stay free of the GUI toolkit" >&2
    exit 1
fi
ctest --test-dir build-nogui --output-on-failure -j "$jobs"
echo "All tests passed."
