#!/usr/bin/env bash
# What the bash completion offers, asked as bash would ask it.
set -euo pipefail
completion=$1
orvikctl=$2
source "$completion"
# As a user who reads Polish: the names stay those of orvikctl's English.
unset LC_ALL LC_MESSAGES LANGUAGE
export LANG=pl_PL.UTF-8
compopt() { :; } # only bash's own completion run may call it
emu=$(mktemp -d)
trap 'rm -rf "$emu"' EXIT

offered() {
    COMP_WORDS=("$orvikctl" "$@")
    COMP_CWORD=$#
    COMPREPLY=()
    _orvikctl
    printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | paste -sd' '
}
check() {
    local expected=$1
    shift
    local got
    got=$(offered "$@")
    [ "$got" = "$expected" ] || { echo "for '$*': expected '$expected', got '$got'"; exit 1; }
}

check "show" sh
check "check" ch
check "unpack upload-firmware" u
check "wait write" w
check "--detach --emulator --help --timeout" wait --
check "--set" show --s
check "--backup" --emulator "$emu" write --b
check "" show --b
check "--device --emulator --help --quiet --verbose --version" --
check "Callsign=" show --set Callsi
check "Beacon1_dest_ssid= Beacon1_dest_string=" pack -o x --set Beacon1_d
check "" show --set Callsign = SP
check "$emu" --emulator "$emu"
touch "$emu/station.cfg"
check "$emu/station.cfg" show "$emu/st"
check "$emu/station.cfg" pack -o "$emu/st"
mkdir "$emu/A1" "$emu/B2"
echo 102 >"$emu/A1/firmware-version"
echo 102 >"$emu/B2/firmware-version"
check "$emu/A1 $emu/B2 A1 B2" --emulator "$emu" info --device ""
check "B2" --emulator "$emu" info --device B
echo "completion ok"
