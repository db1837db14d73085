#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for a short while; any crash,
# leak or sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-30}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DORVIK_BUILD_FUZZERS=ON -DORVIK_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-fuzz -j"$(nproc)" --target fuzzers
for exe in build-fuzz/tests/fuzz/*_fuzz; do
    [ -x "$exe" ] || continue
    echo "-- $(basename "$exe") for ${seconds}s"
    corpus=$(mktemp -d)
    "$exe" -max_total_time="$seconds" -rss_limit_mb=4096 -print_final_stats=0 "$corpus" 2>&1 | tail -3
    rm -rf "$corpus"
done
