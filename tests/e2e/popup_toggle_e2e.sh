#!/usr/bin/env bash
# With no settings file the list is empty: a tray press opens a popup of
# height 0 in the bottom-right corner of the work area, borderless and
# topmost; the next press closes it; the program ends in order.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/popup_lib.sh"
EXE=$1 PROBE=$2

e2e_begin
start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "the main window never appeared"
settle 1

tray_press there || fail "no popup after a tray press"
echo "tray press by $TRAY_PATH"
info=$(popup_info)
echo "$info"
read -r left top right bottom <<<"$(popup_rect)"
[ "$left $top $right $bottom" = "824 748 1024 748" ] || fail "popup at $left,$top,$right,$bottom"
style=$(echo "$info" | sed -n 's/.* style=0x\([0-9a-f]*\).*/\1/p')
exstyle=$(echo "$info" | sed -n 's/.* exstyle=0x\([0-9a-f]*\).*/\1/p')
(( (16#$style & 0x80000000) && !(16#$style & 0x00C00000) )) || fail "not a borderless popup: $style"
(( 16#$exstyle & 0x8 )) || fail "not topmost: $exstyle"

tray_press gone || fail "the second tray press left the popup open"
tray_press there || fail "no popup after the third press"

probe post Lumarel 0x0010 >/dev/null || fail "WM_CLOSE could not be posted"
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT"
echo "PASS: empty popup at the corner, toggled by the tray, program ended with 0"
