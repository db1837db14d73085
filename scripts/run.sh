#!/usr/bin/env bash
# Installs what is missing, builds the configurator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORVIK_BUILD_TESTS=OFF
cmake --build build -j"$(nproc)" --target orvik-configurator
exec ./build/src/app/orvik-configurator
