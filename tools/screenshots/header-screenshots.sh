#!/usr/bin/env bash
# Renders the editor's header with the window at its minimum size at display scales 1.0 and 1.5,
# the two-cluster example loaded and a value edited, into docs/header/. Needs xvfb-run.
#   tools/screenshots/header-screenshots.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target keo_header_screenshots -j2
for scale in 1.0 1.5; do
    QT_QUICK_BACKEND=software xvfb-run -a -s "-screen 0 2560x1440x24" \
        "$build/tools/screenshots/keo_header_screenshots" --out "$root/docs/header" --scale "$scale"
done
