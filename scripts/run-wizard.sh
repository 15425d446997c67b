#!/usr/bin/env bash
# The main job: builds the wizard, installs its settings into a fresh store (as an installer
# does), plays the printer side of a sample print job and opens the wizard on it in driver mode.
# Everything lives below out/demo; your own settings are not touched.
#
# Without a display the wizard runs under xvfb-run and a screenshot is saved instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target varmio-wizard reginst varmio-reg

demo=$PWD/out/demo
rm -rf "$demo"
mkdir -p "$demo/home/tmp" "$demo/windows" "$demo/print"
export VARMIO_HIVE=$demo/registry.db
export VARMIO_HOME=$demo/home
export WINDIR=$demo/windows
cp data/install.reg data/help.htm data/qdrn.sec "$VARMIO_HOME/"
ln -sf "$PWD/build/bin/reginst" "$VARMIO_HOME/reginst"
build/bin/reginst data/install.reg

scripts/sample-print-job.sh "$WINDIR" "$demo/print"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec build/bin/varmio-wizard drv
fi
echo "No display: running under xvfb-run and saving a screenshot to out/demo/wizard.png"
VARMIO_SCREENSHOT=$demo/wizard.png xvfb-run -a -s "-screen 0 1280x800x24" build/bin/varmio-wizard drv
echo "Screenshot: $demo/wizard.png"
