#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, headless and without standard input:
# the Qt DLLs, the mingw runtime and Qt's plugins and QML modules are found where they were built,
# so the programs run from the build folder without being deployed first.
#   tools/wine-run.sh [--path DIR]... program.exe [arguments]
# --path adds a folder holding DLLs the program needs (KEOUI64.dll of the build, for instance).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
qt=${KEO_QT_MINGW:-/opt/qt5-mingw}
nlopt=${KEO_NLOPT_MINGW:-/opt/nlopt-mingw}
export WINEPREFIX=${WINEPREFIX:-$HOME/.local/share/keo-wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software}
# Qt writes its messages to the debugger, not to standard error, unless told.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
# Wine takes Windows paths; Z: is the host's root.
to_windows() { echo "Z:${1//\//\\}"; }
# The offscreen platform reads font files itself; it gets the ones the Linux rounds render with.
export QT_QPA_FONTDIR=${QT_QPA_FONTDIR:-$(to_windows /usr/share/fonts/truetype/dejavu)}
export QT_PLUGIN_PATH=$(to_windows "$qt/plugins")
export QML2_IMPORT_PATH=$(to_windows "$qt/qml")

extra_paths=()
while [ "${1:-}" = --path ]; do
    extra_paths+=("$2")
    shift 2
done

runtime=$(dirname "$(x86_64-w64-mingw32-g++ -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++ -print-file-name=libwinpthread-1.dll)")
program_dir=$(cd "$(dirname "$1")" && pwd)
WINEPATH="$(to_windows "$program_dir")"
for dir in "${extra_paths[@]}" "$qt/bin" "$nlopt/bin" "$runtime" "$winpthread"; do
    WINEPATH="$WINEPATH;$(to_windows "$dir")"
done
export WINEPATH

# Wine keeps the host's QT_ variables from Windows programs and passes WINEQT_... as QT_... instead.
while IFS='=' read -r name value; do
    [[ $name == QT_* ]] && export "WINE$name=$value"
done < <(env)

"$root/tools/wine-prefix.sh"
exec wine "$@" </dev/null
