#!/usr/bin/env bash
# Lists the dynamic symbols a built libKEOUI64.so defines and fails unless they are exactly the
# host entry points, undecorated.
set -euo pipefail
library=$1
expected=${KEO_EXPECTED_EXPORTS:-"ContainsKEOScript Create"}
actual=$(nm -D --defined-only "$library" | awk '$2 ~ /^[TtWwDdBbRrVvi]$/ {print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
want=$(echo "$expected" | tr ' ' '\n' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$actual" != "$want" ]; then
    echo "exported: [$actual]"
    echo "expected: [$want]"
    exit 1
fi
echo "exports: $actual"
