#!/usr/bin/env bash
# Installs what building and starting the programs needs, builds the window
# and orvikctl in build-run/ (Release, no tests) and starts the window; the
# arguments go to it. With --check first, it starts the window offscreen,
# checks that the main window came up and ends instead (as CI does).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/steps.sh
check=false
if [ "${1-}" = --check ]; then
    check=true
    shift
fi

bash scripts/deps.sh run
# Every option this build relies on is given, whatever an earlier run left in
# the cache; build/ belongs to test.sh.
step "Configuring build-run/ (Release)" cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release \
    -DORVIK_BUILD_TESTS=OFF -DORVIK_BUILD_BENCHMARKS=OFF -DORVIK_BUILD_FUZZERS=OFF
build_step "Building (about 3 minutes on 2 cores the first time)" \
    build-run -j"$(nproc)" --target orvik-configurator orvikctl
app=build-run/src/app/orvik-configurator
if $check; then
    echo "Starting the window offscreen…"
    status=0
    QT_QPA_PLATFORM=offscreen "$app" --check-start "$@" 2>>"$ORVIK_LOG" || status=$?
    [ "$status" -eq 0 ] || failed "Starting the window" "$status"
    finish_log
    exit 0
fi
finish_log
echo "Starting the window (the program ends when it is closed)…"
exec "$app" "$@"
