#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test: first the normal build, then
# the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer, which catch a model
# reading a freed record or undefined behaviour on hostile input, and last the tests of the parts
# that run on several threads (graphs, live feed, the tuner's search) built with ThreadSanitizer. KEO_SANITIZERS=0 skips
# the sanitizer rounds. Last, when the Qt cross-built for Windows is at hand (unpacked, or its
# archive beside the repository), the Windows build's whole suite runs under Wine
# (tools/build-windows.sh --test); KEO_WINDOWS=0 skips it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
jobs=$(nproc)
# Cache entries keyed by paths relative to the checkout, so every clone and build folder shares them.
export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1

build="${KEO_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$jobs"
(cd "$build" && ctest --output-on-failure -j"$jobs")

if [ "${KEO_SANITIZERS:-1}" != 0 ]; then
    sanitized="$build-sanitized"
    # Test discovery runs the test programs while building, so the options apply to both steps.
    export ASAN_OPTIONS=detect_leaks=1
    export LSAN_OPTIONS="suppressions=$root/tools/lsan-suppressions.txt:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1
    cmake -S "$root" -B "$sanitized" -DCMAKE_BUILD_TYPE=Debug -DKEO_SANITIZE=address,undefined \
        -DKEO_BUILD_BENCH=OFF >/dev/null
    cmake --build "$sanitized" -j"$jobs"
    # The 4 GiB read is covered by the first stage; under the sanitizers it only costs time.
    (cd "$sanitized" && ctest --output-on-failure -j"$jobs" \
        -E FilesBeyondFourGibibytes)

    # Data races between the host's delivery thread and the GUI thread, and between the tuner's
    # workers.
    threaded="$build-threads"
    cmake -S "$root" -B "$threaded" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEO_SANITIZE=thread \
        -DKEO_BUILD_BENCH=OFF >/dev/null
    export TSAN_OPTIONS="suppressions=$root/tools/tsan-suppressions.txt:halt_on_error=1"
    unset ASAN_OPTIONS LSAN_OPTIONS
    cmake --build "$threaded" -j"$jobs" --target graph_core_tests graph_widget_tests \
        keo_live_tests keo_feed_stress_tests keo_hand_over_tests keo_cueing_view_tests \
        keo_tune_tests
    # Only the programs built above have registered their tests; skip the placeholders of the
    # others and the script-driven tests.
    (cd "$threaded" && ctest --output-on-failure -j"$jobs" -E '(_NOT_BUILT$|^qml_tests$|^plugin_)')
fi

qt_mingw=${KEO_QT_MINGW:-/opt/qt5-mingw}
if [ "${KEO_WINDOWS:-1}" != 0 ] && { [ -f "$qt_mingw/lib/cmake/Qt5/Qt5Config.cmake" ] ||
    [ -f "${KEO_QT_MINGW_ARCHIVE:-$root/../shared/qt5-mingw.tar.xz}" ]; }; then
    windows_start=$SECONDS
    KEO_WINDOWS_BUILD_DIR="$build-windows" "$root/tools/build-windows.sh" --test
    echo "Windows round: $((SECONDS - windows_start)) s"
fi
