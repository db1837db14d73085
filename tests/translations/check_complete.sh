#!/usr/bin/env bash
# The translations are complete and current: lupdate, run over the sources as
# the build's update_translations runs it, but into copies, changes nothing
# (no text is new, none is gone), and every text has its translation.
#   check_complete.sh LUPDATE TS_FILE... -- LUPDATE_ARGUMENT...
set -euo pipefail
lupdate=$1
shift
ts_files=()
while [ "$1" != -- ]; do
    ts_files+=("$1")
    shift
done
shift
copies=$(mktemp -d)
trap 'rm -rf "$copies"' EXIT
cp "${ts_files[@]}" "$copies"
"$lupdate" -silent "$@" -ts "$copies"/*.ts

status=0
for ts in "${ts_files[@]}"; do
    if ! diff -u "$ts" "$copies/$(basename "$ts")"; then
        echo "$ts is not current: cmake --build build --target update_translations, then translate"
        status=1
    fi
    # Unfinished, or kept from a text that is gone; or a translation or a
    # plural form left empty.
    if grep -nE 'type="(unfinished|vanished|obsolete)"|<(translation|numerusform)( [^>]*)?(/>|></)' "$ts"; then
        echo "$ts has the entries above to finish or remove"
        status=1
    fi
done
exit "$status"
