#!/usr/bin/env bash
# The rule must match the appliance's hidraw node by its USB IDs and hand it to
# the user at the seat; anything looser would open other devices too.
set -euo pipefail
rule=$(grep -v '^\s*#' "$1" | grep -v '^\s*$')
[ "$(printf '%s\n' "$rule" | wc -l)" -eq 1 ] || { echo "expected one rule"; exit 1; }
for key in 'SUBSYSTEM=="hidraw"' 'KERNEL=="hidraw\*"' 'ATTRS{idVendor}=="0483"' \
           'ATTRS{idProduct}=="a04f"' 'TAG+="uaccess"'; do
    printf '%s\n' "$rule" | grep -q "$key" || { echo "missing $key"; exit 1; }
done
if printf '%s\n' "$rule" | grep -qE 'MODE=|GROUP=|RUN'; then
    echo "the rule must not widen access beyond the seat's user"
    exit 1
fi
echo "udev rule ok"
