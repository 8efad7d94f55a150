#!/usr/bin/env bash
# Runs one Windows test program under Wine in a fresh prefix, on the
# display that is set or on a virtual screen of its own, and exits with
# the program's exit code. CTest calls it for every cross-compiled test.
set -u
. "$(dirname "$0")/wine-env.sh"

own_xvfb=""
if [ -z "${DISPLAY:-}" ]; then start_xvfb || exit 1; own_xvfb=$XVFB_PID; fi
WINEPREFIX=$(fresh_prefix) || exit 1
export WINEPREFIX
cleanup() {
    drop_prefix
    [ -n "$own_xvfb" ] && kill "$own_xvfb" 2>/dev/null
}
trap cleanup EXIT
# The desktop with its taskbar comes up with the first program.
wine "$@"
