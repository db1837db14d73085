#!/usr/bin/env bash
# --check-start ends whatever start-up shows: the window's line and status 0,
# or a box's text on standard output and status 1, never a wait for a click.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/good" "$dir/bad" && head -c 100 /dev/zero >"$dir/bad/eeprom.bin"
export HOME=$dir LC_ALL=C LANGUAGE= QT_QPA_PLATFORM=offscreen
for row in "good|0|the main window came up: Orvik 2.0 Configurator v1.02 (emulator)" \
    "bad|1|$dir/bad/eeprom.bin: not an EEPROM image (it must be exactly 6144 bytes)"; do
    IFS='|' read -r folder status line <<<"$row"
    said=$(timeout 60 "$1" --check-start --emulator "$dir/$folder" 2>/dev/null; echo "status $?")
    [ "$said" = "orvik-configurator: $line"$'\n'"status $status" ] || { echo "$said"; exit 1; }
done
