#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds everything and runs
# every test: once in a plain build (build/), which a Release build
# (build-release/) follows, once under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/), the tests that run device sessions
# on more than one thread once under ThreadSanitizer (build-tsan/), then a
# short run of each fuzzer (build-fuzz/). run.sh's build-run/ is left alone.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/steps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

bash scripts/deps.sh test
step "Checking the formatting" bash scripts/check-format.sh

# Every option a build relies on is given, whatever an earlier run left in
# the cache: these, its type and whether it has the benchmarks.
tested=(-DORVIK_BUILD_TESTS=ON -DORVIK_BUILD_FUZZERS=OFF -DORVIK_WERROR=ON -DORVIK_FIRMWARE_IMAGE=)
step "Configuring build/ (Debug, with the tests and benchmarks)" cmake -S . -B build \
    -DCMAKE_BUILD_TYPE=Debug -DORVIK_BUILD_BENCHMARKS=ON "${tested[@]}"
build_step "Building (about 3 minutes on 2 cores the first time)" build -j"$jobs"
test_step "Running the tests" --test-dir build --output-on-failure -j"$jobs"
ctest_summary
# A short run keeps the benchmarks working; their figures are not checked here.
step "Running the benchmarks briefly" ./build/tests/bench/orvik_bench --benchmark_min_time=0.01

dejavu_only() {
    local fonts status=0
    fonts=$(mktemp -d)
    printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
        /usr/share/fonts/truetype/dejavu "$fonts/cache" >"$fonts/fonts.conf"
    # In the C locale, as CTest runs them: they pin the English texts.
    LC_ALL=C FONTCONFIG_FILE="$fonts/fonts.conf" "$@" || status=$?
    rm -rf "$fonts"
    return "$status"
}
step "Running the window tests with DejaVu as the only font" dejavu_only build/tests/orvik_app_tests \
    --gtest_brief=1

# A Release build hardens with _FORTIFY_SOURCE, which warns of what a Debug
# build lets pass (an unused read()): warnings are errors there too. Its
# benchmarks are the ones whose figures mean something (see the README).
step "Configuring build-release/ (Release, with the tests and benchmarks)" cmake -S . -B build-release \
    -DCMAKE_BUILD_TYPE=Release -DORVIK_BUILD_BENCHMARKS=ON "${tested[@]}"
build_step "Building the Release variant (about 3 minutes on 2 cores the first time)" \
    build-release -j"$jobs"

san="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
step "Configuring build-asan/ (AddressSanitizer and UndefinedBehaviorSanitizer)" \
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVIK_BUILD_BENCHMARKS=OFF "${tested[@]}" \
    -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san"
build_step "Building under the sanitizers (about 5 minutes on 2 cores the first time)" \
    build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
test_step "Running the tests under the sanitizers" --test-dir build-asan --output-on-failure \
    -j"$jobs"
ctest_summary

# The window's sessions run on a thread of their own, their reports relayed to
# the window's, orvikctl's and the window's writes beside a thread that takes
# the signals: the programs that run them, and only those tests, so that this
# build stays short.
tsan="-fsanitize=thread -fno-omit-frame-pointer"
step "Configuring build-tsan/ (ThreadSanitizer)" \
    cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Debug -DORVIK_BUILD_BENCHMARKS=OFF "${tested[@]}" \
    -DCMAKE_CXX_FLAGS="$tsan" -DCMAKE_EXE_LINKER_FLAGS="$tsan"
build_step "Building the session tests under ThreadSanitizer (a few minutes on 2 cores the first time)" \
    build-tsan -j"$jobs" --target orvik_app_tests orvik_cli_tests
# A window test runs a copy of its program that starts the session's thread.
# CTest runs each test in a process of its own: after a QProcess child
# (started sharing its parent's memory) ThreadSanitizer loses track of what it
# saw before.
export TSAN_OPTIONS="halt_on_error=1 die_after_fork=0 suppressions=$PWD/tests/tsan.supp"
test_step "Running the session, signal and window tests under ThreadSanitizer" \
    --test-dir build-tsan --output-on-failure -j"$jobs" \
    -R '^(Form1Behaviour|GuiReporter|OrvikctlDevice|SessionThread)\.[A-Za-z]+$'
ctest_summary

step "Building the fuzzers and running each for ${FUZZ_SECONDS:-30} seconds" bash tests/fuzz/run.sh
finish_log
echo "Every test passed."
