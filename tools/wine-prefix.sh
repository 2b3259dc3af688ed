#!/usr/bin/env bash
# Creates the Wine prefix the Windows programs run in, once; concurrent callers wait for the first.
set -euo pipefail
export WINEPREFIX=${WINEPREFIX:-$HOME/.local/share/keo-wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
[ -f "$WINEPREFIX/.keo-ready" ] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$WINEPREFIX/.keo-ready" ]; then
    wineboot --init </dev/null >/dev/null 2>&1
    wineserver --wait
    touch "$WINEPREFIX/.keo-ready"
fi
