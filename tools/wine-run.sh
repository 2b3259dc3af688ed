#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, headless and without standard input:
# the Qt DLLs, the mingw runtime and Qt's plugins and QML modules are found where they were built,
# so the programs run from the build folder without being deployed first.
#   tools/wine-run.sh program.exe [arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
qt=${KEO_QT_MINGW:-/opt/qt5-mingw}
export WINEPREFIX=${WINEPREFIX:-$HOME/.local/share/keo-wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QT_QUICK_BACKEND=${QT_QUICK_BACKEND:-software}
export QT_PLUGIN_PATH=$(winepath -w "$qt/plugins" 2>/dev/null || echo "Z:${qt//\//\\}\\plugins")
export QML2_IMPORT_PATH=$(winepath -w "$qt/qml" 2>/dev/null || echo "Z:${qt//\//\\}\\qml")

runtime=$(dirname "$(x86_64-w64-mingw32-g++ -print-file-name=libstdc++-6.dll)")
winpthread=$(dirname "$(x86_64-w64-mingw32-g++ -print-file-name=libwinpthread-1.dll)")
program_dir=$(cd "$(dirname "$1")" && pwd)
# Wine takes WINEPATH as a list of Windows paths; Z: is the host's root.
to_windows() { echo "Z:${1//\//\\}"; }
export WINEPATH="$(to_windows "$program_dir");$(to_windows "$qt/bin");$(to_windows "$runtime");$(to_windows "$winpthread")"

"$root/tools/wine-prefix.sh"
exec wine "$@" </dev/null
