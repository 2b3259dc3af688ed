#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer and runs each
# for the given number of seconds (default 600), seeded from examples/. Findings land in
# fuzz/artifacts/; the growing corpora in fuzz/corpus-*/ (both ignored by git).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
"$root/tools/install-deps.sh" clang-14 libclang-rt-14-dev

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEO_SANITIZE=address,undefined -DKEO_BUILD_FUZZERS=ON -DKEO_BUILD_TESTS=OFF \
    -DKEO_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-fno-sanitize-recover=undefined" >/dev/null
cmake --build "$build" --target fuzz_cpp_script fuzz_json_script -j"$(nproc)"

mkdir -p "$root/fuzz/artifacts"
run() {
    local target=$1 pattern=$2
    local corpus="$root/fuzz/corpus-$target"
    mkdir -p "$corpus"
    cp -n "$root"/examples/$pattern "$corpus"/ 2>/dev/null || true
    "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$root/fuzz/artifacts/$target-" -print_final_stats=1
}
run fuzz_cpp_script '*.cpp' &
run fuzz_json_script '*.json' &
wait
