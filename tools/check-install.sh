#!/usr/bin/env bash
# Installs the library from a build folder into a scratch prefix, builds keo-editor on its own
# against the installed package (find_package(KEOUI64)), and runs it once.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: check-install.sh BUILD_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
cmake -S "$root/app/keo-editor" -B "$scratch/host" -DCMAKE_PREFIX_PATH="$scratch/prefix" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$scratch/host" -j"$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH="$scratch/prefix/lib" "$scratch/host/keo-editor" --help | head -1
nm -D --defined-only "$scratch/prefix/lib/libKEOUI64.so" | awk '{print $3}' | sort | tr '\n' ' '
echo
