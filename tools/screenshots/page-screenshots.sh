#!/usr/bin/env bash
# Renders every page of the editor at display scales 1.0 and 1.5, with the two-cluster example
# loaded, into docs/pages/<page>-<scale>.png. Needs xvfb-run; the integration mark uses a
# symbol that the Symbola font (Debian package fonts-symbola) provides on Linux.
#   tools/screenshots/page-screenshots.sh [build folder, default build]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target keo_page_screenshots -j"$(nproc)"
for scale in 1.0 1.5; do
    QT_QUICK_BACKEND=software xvfb-run -a "$build/tools/screenshots/keo_page_screenshots" \
        --out "$root/docs/pages" --scale "$scale"
done
