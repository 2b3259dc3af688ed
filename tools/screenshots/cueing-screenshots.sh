#!/usr/bin/env bash
# Renders the Cueing window at display scales 1.0 and 1.5, with the
# two-cluster example loaded and a few values edited, into docs/cueing/. Needs xvfb-run.
#   tools/screenshots/cueing-screenshots.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target keo_cueing_screenshots -j2
for scale in 1.0 1.5; do
    QT_QUICK_BACKEND=software xvfb-run -a "$build/tools/screenshots/keo_cueing_screenshots" \
        --out "$root/docs/cueing" --scale "$scale"
done
