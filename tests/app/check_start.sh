#!/usr/bin/env bash
# --check-start ends whatever start-up shows: the window's line and status 0,
# or a box's text on standard output and status 1, never a wait for a click.
set -uo pipefail
app=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=C LANGUAGE= HOME=$dir
expect() { # STATUS LINE ARGUMENT...
    local status=$1 line=$2 said got
    shift 2
    said=$(timeout 60 "$app" --check-start "$@" 2>/dev/null)
    got=$?
    [ "$got" -eq "$status" ] && [ "$said" = "$line" ] && return
    echo "$*: status $got (not $status), said '$said', not '$line'"
    exit 1
}
mkdir "$dir/good" "$dir/bad"
head -c 100 /dev/zero >"$dir/bad/eeprom.bin"
expect 0 "orvik-configurator: the main window came up: Orvik 2.0 Configurator" \
    --emulator "$dir/good"
expect 1 "orvik-configurator: $dir/bad/eeprom.bin: not an EEPROM image (it must be exactly 6144 bytes)." \
    --emulator "$dir/bad"
echo "--check-start ends"
