#!/usr/bin/env bash
# Makes the Debian package from run.sh's Release build (build-run/, built
# first when needed) and installs it, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/steps.sh

bash scripts/deps.sh package
step "Configuring build-run/ (Release)" cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release \
    -DORVIK_BUILD_TESTS=OFF -DORVIK_BUILD_BENCHMARKS=OFF -DORVIK_BUILD_FUZZERS=OFF
build_step "Building (about 3 minutes on 2 cores, unless run.sh has built it)" build-run -j"$(nproc)"
rm -f build-run/orvik-configurator_*.deb
step "Making the Debian package" cpack --config build-run/CPackConfig.cmake -G DEB -B build-run
deb=$(ls build-run/orvik-configurator_*.deb)
step "Installing $deb" as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "./$deb"
finish_log
echo "Installed: orvik-configurator and orvikctl in /usr/bin, and their manual pages."
