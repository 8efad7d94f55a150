# Shared by the end-to-end tests: a virtual screen, a fresh Wine prefix
# with its desktop and taskbar, the program under test, and checks.
# Sourced, not run.
set -u
. "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine-env.sh"

E2E_NAME=$(basename "$0" .sh)
E2E_OUT=${E2E_OUT:-$LUMAREL_ROOT/build/e2e/$E2E_NAME}
PROGRAM_PID=""
E2E_XVFB=""

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null
    drop_prefix
    [ -n "$E2E_XVFB" ] && kill "$E2E_XVFB" 2>/dev/null
}

# A screen of our own, a fresh prefix, and the user's AppData folder.
e2e_begin() {
    rm -rf "$E2E_OUT"
    mkdir -p "$E2E_OUT"
    unset DISPLAY
    start_xvfb || fail "no display"
    E2E_XVFB=$XVFB_PID
    WINEPREFIX=$(fresh_prefix) || fail "no prefix"
    export WINEPREFIX
    trap e2e_cleanup EXIT
    APPDATA_DIR="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
    mkdir -p "$APPDATA_DIR"
}

# Starts the program in the background; PROGRAM_PID is Wine's process.
start_program() {
    wine "$1" >"$E2E_OUT/program.out" 2>&1 &
    PROGRAM_PID=$!
}

# Waits for the program to end and sets PROGRAM_EXIT to its exit code, or
# to "running" when it is still running after the given seconds.
wait_program() {
    local seconds=$1
    PROGRAM_EXIT=running
    for _ in $(seq $((seconds * 10))); do
        if ! kill -0 "$PROGRAM_PID" 2>/dev/null || [ "$(awk '{print $3}' "/proc/$PROGRAM_PID/stat" 2>/dev/null)" = Z ]; then
            wait "$PROGRAM_PID"
            PROGRAM_EXIT=$?
            PROGRAM_PID=""
            return 0
        fi
        sleep 0.1
    done
}

# Runs the probe; its output goes through a file, as Wine's helpers may
# keep inherited pipes open.
probe() {
    local out="$E2E_OUT/probe.out"
    wine "$PROBE" "$@" >"$out" 2>&1
    local rc=$?
    cat "$out"
    return $rc
}

screenshot() {
    import -window root -depth 8 "$1"
}

# The colour of one pixel of a screenshot as RRGGBB.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -1 | grep -o '#[0-9A-Fa-f]\{6\}' | tr -d '#'
}
