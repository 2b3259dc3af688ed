#!/usr/bin/env bash
# Installs what is missing, builds, and checks the bundled two-cluster example (or the script
# given as argument): which clusters it carries, their key values, and whether saving keeps it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
build="${KEO_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target keo-inspect -j"$(nproc)" >/dev/null
"$build/app/keo-inspect" "${1:-$root/examples/two_clusters.cpp}"
