#!/usr/bin/env bash
# Cross-builds the whole project for 64-bit Windows into build-windows/ (KEOUI64.dll, keo-editor.exe,
# keo-inspect.exe and the tests) and lays out a deployable folder, build-windows/deploy: the
# programs, KEOUI64.dll, the Qt DLLs, platform, image-format and QML plugins they need, and the
# mingw runtime DLLs. Installs what is missing first and unpacks the cross-built Qt when it is not
# there yet.
#   tools/build-windows.sh            build and deploy
#   tools/build-windows.sh --test     also run the test suite under Wine and render a screenshot
# KEO_QT_MINGW: where the cross-built Qt lives (default /opt/qt5-mingw); KEO_QT_MINGW_ARCHIVE: the
# archive to unpack it from (default ../shared/qt5-mingw.tar.xz beside the repository). The same for
# NLopt: KEO_NLOPT_MINGW (default /opt/nlopt-mingw) and KEO_NLOPT_MINGW_ARCHIVE (default
# ../shared/nlopt-mingw.tar.xz).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KEO_WINDOWS_BUILD_DIR:-$root/build-windows}
qt=${KEO_QT_MINGW:-/opt/qt5-mingw}
archive=${KEO_QT_MINGW_ARCHIVE:-$root/../shared/qt5-mingw.tar.xz}
nlopt=${KEO_NLOPT_MINGW:-/opt/nlopt-mingw}
nlopt_archive=${KEO_NLOPT_MINGW_ARCHIVE:-$root/../shared/nlopt-mingw.tar.xz}
jobs=$(nproc)
run_tests=0
[ "${1:-}" = --test ] && run_tests=1

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

"$root/tools/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    binutils-mingw-w64-x86-64 wine wine64 ccache xvfb xauth
# The POSIX thread model: std::thread and std::mutex, and the runtime the Qt DLLs were built with.
for tool in gcc g++; do
    "${sudo_cmd[@]}" update-alternatives --set "x86_64-w64-mingw32-$tool" \
        "/usr/bin/x86_64-w64-mingw32-$tool-posix" >/dev/null
done

# Unpacks ARCHIVE, which holds the folder NAME, to TARGET unless CHECK exists there already.
unpack_once() {
    local archive=$1 name=$2 target=$3 check=$4
    [ -f "$target/$check" ] && return
    [ -f "$archive" ] || { echo "no $name in $target and no $archive" >&2; exit 3; }
    echo "Unpacking $archive into $(dirname "$target")"
    "${sudo_cmd[@]}" mkdir -p "$(dirname "$target")"
    local scratch
    scratch=$(mktemp -d "$(dirname "$target")/.$name-XXXXXX")
    "${sudo_cmd[@]}" tar -C "$scratch" -xJf "$archive"
    "${sudo_cmd[@]}" mv "$scratch/$name" "$target"
    "${sudo_cmd[@]}" rmdir "$scratch"
}
unpack_once "$archive" qt5-mingw "$qt" lib/cmake/Qt5/Qt5Config.cmake
unpack_once "$nlopt_archive" nlopt-mingw "$nlopt" lib/cmake/nlopt/NLoptConfig.cmake
export KEO_QT_MINGW=$qt KEO_NLOPT_MINGW=$nlopt

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DKEO_QT_MINGW="$qt" -DKEO_NLOPT_MINGW="$nlopt" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DKEO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j"$jobs"

# The deployable folder.
deploy=$build/deploy
rm -rf "$deploy"
mkdir -p "$deploy"
cp "$build/src/plugin/KEOUI64.dll" "$build/app/keo-editor/keo-editor.exe" \
    "$build/app/keo-inspect/keo-inspect.exe" "$deploy/"
x86_64-w64-mingw32-strip "$deploy"/*.dll "$deploy"/*.exe
mkdir -p "$deploy/plugins" "$deploy/qml/QtQuick"
for plugin in platforms/qwindows.dll platforms/qoffscreen.dll imageformats/qsvg.dll \
    imageformats/qico.dll iconengines/qsvgicon.dll styles/qwindowsvistastyle.dll; do
    mkdir -p "$deploy/plugins/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$deploy/plugins/$plugin"
done
cp -r "$qt/qml/QtQml" "$qt/qml/QtQuick.2" "$deploy/qml/"
for module in Controls.2 Templates.2 Layouts Window.2; do
    cp -r "$qt/qml/QtQuick/$module" "$deploy/qml/QtQuick/"
done
# QML debugging plugins and type descriptions are not needed to run.
find "$deploy/qml" \( -name '*.qmltypes' -o -name 'plugins.qmltypes' -o -name '*d.dll' -a -name '*qmldbg*' \) -delete
cat >"$deploy/qt.conf" <<'CONF'
[Paths]
Prefix = .
Plugins = plugins
Qml2Imports = qml
CONF

# Every DLL the programs and plugins import that is not part of Windows: Qt's and mingw's.
runtime_dirs=("$qt/bin" "$nlopt/bin" "$(dirname "$(x86_64-w64-mingw32-g++ -print-file-name=libstdc++-6.dll)")"
    "$(dirname "$(x86_64-w64-mingw32-g++ -print-file-name=libwinpthread-1.dll)")")
imports_of() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ {print $3}'; }
pending=$(find "$deploy" -name '*.dll' -o -name '*.exe')
while [ -n "$pending" ]; do
    next=""
    for binary in $pending; do
        for dll in $(imports_of "$binary"); do
            [ -f "$deploy/$dll" ] && continue
            for dir in "${runtime_dirs[@]}"; do
                if [ -f "$dir/$dll" ]; then
                    cp "$dir/$dll" "$deploy/"
                    next="$next $deploy/$dll"
                    break
                fi
            done
        done
    done
    pending=$next
done
# Debian ships the mingw runtime with its debugging information.
x86_64-w64-mingw32-strip --strip-unneeded "$deploy"/lib*.dll
"$root/tools/check-exports.sh" "$deploy/KEOUI64.dll"
echo "KEOUI64.dll: $(stat -c %s "$deploy/KEOUI64.dll") bytes (stripped); deployable folder: $deploy ($(du -sh "$deploy" | cut -f1))"

if [ "$run_tests" = 1 ]; then
    # One virtual display for the whole round: the tests that show real windows and the
    # screenshot need one, the others run offscreen.
    xvfb-run -a "$root/tools/windows-round.sh" "$build"
fi
