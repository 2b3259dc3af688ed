#!/usr/bin/env bash
# Lists the symbols a built libKEOUI64.so or KEOUI64.dll exports and fails unless they are exactly
# the host entry points, undecorated.
set -euo pipefail
library=$1
expected=${KEO_EXPECTED_EXPORTS:-"ContainsKEOScript Create"}
case "$library" in
*.dll)
    # The export table of a Windows DLL: the names listed after "[Ordinal/Name Pointer] Table".
    exported=$(x86_64-w64-mingw32-objdump -p "$library" |
        awk '/^\[Ordinal\/Name Pointer\] Table/ {table = 1; next} table && /^[ \t]*\[/ {print $NF; next} table {table = 0}')
    ;;
*)
    exported=$(nm -D --defined-only "$library" | awk '$2 ~ /^[TtWwDdBbRrVvi]$/ {print $3}')
    ;;
esac
actual=$(echo "$exported" | sed '/^$/d' | sort | tr '\n' ' ' | sed 's/ $//')
want=$(echo "$expected" | tr ' ' '\n' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$want" ]; then
    echo "exported: [$actual]"
    echo "expected: [$want]"
    exit 1
fi
echo "exports: $actual"
