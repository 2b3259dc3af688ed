#!/usr/bin/env bash
# Creates the Wine prefix the Windows programs run in, once; concurrent callers wait for the first.
# Windows' user-interface fonts (Tahoma, Segoe UI, MS Shell Dlg) are not there, so they are
# substituted by DejaVu Sans, which the Linux rounds render with: the pages look the same.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-$HOME/.local/share/keo-wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
ready=$WINEPREFIX/.keo-ready-2
[ -f "$ready" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$ready" ]; then
    wineboot --init </dev/null >/dev/null 2>&1
    for font in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "Segoe UI" "MS Sans Serif"; do
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
            /v "$font" /t REG_SZ /d "DejaVu Sans" /f </dev/null >/dev/null 2>&1
    done
    wineserver --wait
    touch "$ready"
fi
