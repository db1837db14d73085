#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build and the tests need and
# this machine lacks. Safe to run again: it installs nothing that is present.
set -euo pipefail

packages=(
    cmake g++ make pkg-config git
    qt6-base-dev libhidapi-dev libjpeg-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format
    desktop-file-utils dpkg-dev file appstream
    fonts-liberation2 fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
