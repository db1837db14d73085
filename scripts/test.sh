#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs
# every test: once in a plain build, once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
echo "== formatting"
bash scripts/check-format.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== plain build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# A short run keeps the benchmarks working; their figures are not checked here.
./build/tests/bench/orvik_bench --benchmark_min_time=0.01

echo "== window tests with DejaVu as the only fonts"
fonts=$(mktemp -d)
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
    /usr/share/fonts/truetype/dejavu "$fonts/cache" >"$fonts/fonts.conf"
FONTCONFIG_FILE="$fonts/fonts.conf" build/tests/orvik_app_tests
rm -rf "$fonts"

echo "== sanitizer build"
san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVIK_BUILD_BENCHMARKS=OFF \
    -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san"
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-asan --output-on-failure -j"$jobs"

echo "== fuzzers"
bash tests/fuzz/run.sh
