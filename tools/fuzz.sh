#!/usr/bin/env bash
# Builds the libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer and runs each
# for the given number of seconds (default 600): the script readers seeded from examples/, the
# telemetry readers (.ibt, CSV, CSV through a column map) and the drive of the host's live records
# from seeds fuzz_make_seeds writes, the rig reader from examples/rigs/. Findings land in
# fuzz/artifacts/; the growing corpora in fuzz/corpus-*/ (both ignored by git).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
"$root/tools/install-deps.sh" clang-14 libclang-rt-14-dev

build="$root/build-fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKEO_SANITIZE=address,undefined -DKEO_BUILD_FUZZERS=ON -DKEO_BUILD_TESTS=OFF \
    -DKEO_BUILD_BENCH=OFF -DCMAKE_CXX_FLAGS="-fno-sanitize-recover=undefined" >/dev/null
cmake --build "$build" -j"$(nproc)" --target fuzz_cpp_script fuzz_json_script fuzz_ibt_telemetry \
    fuzz_telemetry_csv fuzz_rig fuzz_recent_drive fuzz_make_seeds

seeds="$build/fuzz/seeds"
mkdir -p "$seeds" "$root/fuzz/artifacts"
"$build/fuzz/fuzz_make_seeds" "$seeds"
run() {
    local target=$1
    shift
    local corpus="$root/fuzz/corpus-$target"
    mkdir -p "$corpus"
    cp -n "$@" "$corpus"/ 2>/dev/null || true
    "$build/fuzz/$target" "$corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix="$root/fuzz/artifacts/$target-" -print_final_stats=1
}
run fuzz_cpp_script "$root"/examples/*.cpp &
run fuzz_json_script "$root"/examples/*.json &
run fuzz_ibt_telemetry "$seeds"/seed.ibt &
run fuzz_telemetry_csv "$seeds"/seed.csv "$seeds"/seed-mapped.csv &
run fuzz_rig "$root"/examples/rigs/*.json &
run fuzz_recent_drive "$seeds"/seed.records &
wait
