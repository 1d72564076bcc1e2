#!/bin/sh
# Fails when the static library $1 uses a symbol that the Qt Widgets library $2 defines:
# the floors below the windows must build without widgets.
set -eu
archive=$1
widgets=$2
used=$(mktemp)
trap 'rm -f "$used"' EXIT
nm -u "$archive" | awk '$1 == "U" { print $2 }' | sort -u >"$used"
found=$(nm -D --defined-only "$widgets" | awk 'NF == 3 { sub(/@.*/, "", $3); print $3 }' | sort -u | comm -12 - "$used")
if [ -n "$found" ]; then
    echo "$(basename "$archive") uses Qt Widgets, which its floor may not:" >&2
    echo "$found" | c++filt | head -20 >&2
    exit 1
fi
