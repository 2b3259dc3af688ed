#!/usr/bin/env bash
# Renders the Changes and Compare parameter sets panels at display scales 1.0 and 1.5, with the
# two-cluster example loaded and a few values edited, into docs/panels/. Needs xvfb-run.
#   tools/screenshots/panel-screenshots.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target keo_panel_screenshots -j2
for scale in 1.0 1.5; do
    QT_QUICK_BACKEND=software xvfb-run -a "$build/tools/screenshots/keo_panel_screenshots" \
        --out "$root/docs/panels" --scale "$scale"
done
