#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for a short while; any crash,
# leak or sanitizer report fails the run. Prints the coverage each reached.
# The corpora stay in build-fuzz/corpus, so a longer run goes on from there:
#   FUZZ_SECONDS=3600 tests/fuzz/run.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${FUZZ_SECONDS:-30}
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DORVIK_BUILD_TESTS=ON -DORVIK_BUILD_FUZZERS=ON -DORVIK_BUILD_BENCHMARKS=OFF -DORVIK_WERROR=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-fuzz -j"$(nproc)" --target fuzzers orvikctl

# The import starts from the defaults file and a few odd ones, with the
# sections and keys of the configuration file's table as its dictionary.
seeds=build-fuzz/seeds/import
mkdir -p "$seeds"
cp tests/fuzz/seeds/import/* "$seeds"/
ASAN_OPTIONS=detect_leaks=0 build-fuzz/src/cli/orvikctl save -o "$seeds/defaults.cfg" >/dev/null
dict=build-fuzz/seeds/import.dict
{
    grep -ohE '"[A-Za-z0-9_!]+"' src/configfile/config_keys.cpp src/configfile/config_keys.h |
        sort -u | sed -E 's/"(.*)"/"[\1]"\n"\1="/'
    printf '"%s"\n' '[' ']' '=' ';' '\x0d\x0a' '\xef\xbb\xbf' '$' '0x'
} >"$dict"

for exe in build-fuzz/tests/fuzz/*_fuzz; do
    [ -x "$exe" ] || continue
    name=$(basename "$exe")
    corpus=build-fuzz/corpus/$name
    mkdir -p "$corpus"
    args=(-max_total_time="$seconds" -rss_limit_mb=4096)
    dirs=("$corpus") # new inputs go to the first
    if [ "$name" = import_fuzz ]; then
        args+=(-dict="$dict")
        dirs+=("$seeds")
    fi
    echo "-- $name for ${seconds}s"
    log=$(mktemp)
    status=0
    "$exe" "${args[@]}" "${dirs[@]}" >"$log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        tail -40 "$log"
        rm -f "$log"
        exit "$status"
    fi
    # Where it started (the corpus and seeds) and where it ended.
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)' "$log" | sed -E 's/(corp|lim|exec|rss).*//;s/^/   /'
    rm -f "$log"
done
