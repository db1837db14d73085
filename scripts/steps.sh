# Sourced by the scripts: one line per step on the terminal, each step's own
# output (apt, dpkg, CMake, the compiler, the tests) in one log file, whose
# last lines and path are shown when a step fails. Scripts started by one
# that sourced this write to the same log.

if [ -z "${ORVIK_LOG-}" ]; then
    ORVIK_LOG=$(mktemp "${TMPDIR:-/tmp}/orvik-$(basename "$0" .sh).XXXXXX.log")
    ORVIK_LOG_OWNER=$$
    export ORVIK_LOG
fi

# failed TEXT STATUS: says what failed and where its whole output is, and ends.
failed() {
    echo "-- the last lines of its output:" >&2
    tail -n 30 "$ORVIK_LOG" >&2
    echo "$1 failed (status $2); its whole output is in $ORVIK_LOG" >&2
    exit "$2"
}

# step TEXT COMMAND...: says "TEXT…" and runs COMMAND into the log.
step() {
    local text=$1 status=0
    shift
    echo "$text…"
    echo "== $text: $*" >>"$ORVIK_LOG"
    "$@" >>"$ORVIK_LOG" 2>&1 || status=$?
    [ "$status" -eq 0 ] || failed "$text" "$status"
}

# build_step TEXT CMAKE_BUILD_ARGUMENTS...: runs cmake --build into the log,
# saying "TEXT…" once it compiles or links something: nothing when all is
# built already.
build_step() {
    local text=$1 status=0
    shift
    echo "== $text: cmake --build $*" >>"$ORVIK_LOG"
    cmake --build "$@" 2>&1 | say_once_built "$text" || status=$?
    [ "$status" -eq 0 ] || failed "$text" "$status"
}

say_once_built() {
    local said=false line
    while IFS= read -r line; do
        printf '%s\n' "$line" >>"$ORVIK_LOG"
        if ! $said && [[ $line == *"Building CXX object"* || $line == *"Linking CXX"* ]]; then
            echo "$1…"
            said=true
        fi
    done
}

# test_step TEXT CTEST_ARGUMENTS...: runs CTest as step runs a command, but
# when a test fails, shows each failing test's own output and CTest's summary
# of the run rather than the log's last lines.
test_step() {
    local text=$1 status=0 out
    shift
    echo "$text…"
    echo "== $text: ctest $*" >>"$ORVIK_LOG"
    out=$(mktemp)
    ctest "$@" >"$out" 2>&1 || status=$?
    cat "$out" >>"$ORVIK_LOG"
    if [ "$status" -ne 0 ]; then
        # What is left without the lines of tests that started or passed.
        grep -vE '^ +Start +[0-9]+: |Test +#[0-9]+: .* Passed +[0-9.]+ sec$' "$out" >&2 || true
        rm -f "$out"
        echo "$text failed (status $status); its whole output is in $ORVIK_LOG" >&2
        exit "$status"
    fi
    rm -f "$out"
}

# ctest_summary: CTest's own closing line of the last run, on the terminal.
ctest_summary() {
    grep -E '^[0-9]+% tests passed' "$ORVIK_LOG" | tail -n 1 || true
}

# as_root COMMAND...: as root runs it, otherwise through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "Installing needs root: run this as root, or install sudo" >&2
        return 1
    fi
}

# The log of a script that succeeded is of no more use.
finish_log() {
    if [ "${ORVIK_LOG_OWNER-}" = $$ ]; then
        rm -f "$ORVIK_LOG"
    fi
}
