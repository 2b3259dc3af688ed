#!/usr/bin/env bash
# Installs what is missing, builds, and starts keo-editor on a per-user copy of the bundled
# two-cluster example (or on the script given). Without a display it renders the editor under a
# virtual X server instead, writes a screenshot and says where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
build="${KEO_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target keo-editor -j"$(nproc)" >/dev/null
editor="$build/app/keo-editor/keo-editor"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$editor" "$@"
fi
echo "No display: rendering the editor off-screen."
exec xvfb-run -a "$editor" --screenshot "$build/keo-editor.png" "$@"
