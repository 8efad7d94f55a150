#!/usr/bin/env bash
# The program starts with its invisible main window titled "Lumarel", and a
# close request from another program ends it in order with exit code 0.
. "$(dirname "$0")/lib.sh"
EXE=$1 PROBE=$2

e2e_begin
start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "the main window never appeared"
info=$(probe window-info Lumarel)
echo "$info"
case "$info" in *visible=0*) ;; *) fail "the main window is visible: $info" ;; esac
wait_program 1
[ "$PROGRAM_EXIT" = running ] || fail "the program ended by itself"

probe post Lumarel 0x0010 >/dev/null || fail "WM_CLOSE could not be posted"  # WM_CLOSE
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT after WM_CLOSE"
echo "PASS: started, main window present and hidden, ended with exit code 0"
