#!/usr/bin/env bash
# The popup with entries read from the settings file: it opens in the
# bottom-right corner after a tray press, the entry under the pointer is
# highlighted, a press and release over the helper's row starts it and
# closes the popup, and a second tray press closes an open popup without
# starting anything. Keeps a screenshot of the open popup as popup.png.
# Exits 77 (skipped) when the program under test does not load settings.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/popup_lib.sh"
EXE=$1 PROBE=$2 HELPER=$3

e2e_begin
HELPER_DIR="$WINEPREFIX/drive_c/lumarel-e2e"
mkdir -p "$HELPER_DIR"
cp "$HELPER" "$HELPER_DIR/Helfer.exe"
STARTED="$HELPER_DIR/Helfer.exe.started"
# Windows' own hot-tracking colour instead of Wine's nearly white one.
wine reg add 'HKCU\Control Panel\Colors' /v HotTrackingColor /d "0 102 204" /f >/dev/null 2>&1

# Helper at top 0, separator at 25, folder at 45, notepad at 70: 95 high.
{
    printf '[Helfer.exe]\r\nPfad = C:\\lumarel-e2e\\Helfer.exe\r\nItemArt = 0\r\n'
    printf '[Werkzeuge]\r\nPfad = \r\nItemArt = 1\r\n'
    printf '[Ablage]\r\nPfad = C:\\lumarel-e2e\\\r\nItemArt = 0\r\n'
    printf '[notepad.exe]\r\nPfad = C:\\windows\\notepad.exe\r\nItemArt = 0\r\n'
    printf '[Lumarel-Einstellungen]\r\nFont = Tahoma\r\nFontStyle = 0\r\nFontgr\xf6sse = 10\r\n'
    printf 'Breite = 200\r\nItemH\xf6he = 25\r\nTrennstrichH\xf6he = 20\r\n'
} >"$APPDATA_DIR/Lumarel.ini"

start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "the main window never appeared"
settle 1
xdotool mousemove 5 5
tray_press there || fail "no popup after a tray press"
echo "tray press by $TRAY_PATH"
read -r left top right bottom <<<"$(popup_rect)"
echo "popup at $left,$top,$right,$bottom"
if [ "$top" = "$bottom" ]; then
    echo "SKIP: the popup is empty although the settings file holds entries: this build loads no settings"
    exit 77
fi
[ "$left $top $right $bottom" = "824 653 1024 748" ] || fail "popup at $left,$top,$right,$bottom"

# Away from the popup: nothing is highlighted.
settle
screenshot "$E2E_OUT/closed-hover.png"
check() {  # shot x y colour what
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "${got,,}" = "$4" ] || fail "$5: pixel $2,$3 is $got, not $4"
}
S="$E2E_OUT/closed-hover.png"
check "$S" 1020 665 101010 "background of the helper's row"
check "$S" 1020 700 101010 "background of the folder's row"
check "$S" 825 687 101010 "margin left of the separator line"
check "$S" 826 687 dcdcdc "separator line, row T + 9"
check "$S" 826 688 dcdcdc "separator line, row T + 10"
check "$S" 826 689 101010 "below the separator line"

# The pointer over the helper's row highlights it in the hot-tracking colour.
xdotool mousemove 900 665
settle
screenshot "$E2E_OUT/popup-full.png"
S="$E2E_OUT/popup-full.png"
check "$S" 824 653 0066cc "highlight from the row's top"
check "$S" 1023 677 0066cc "highlight to the row's last line"
check "$S" 1020 678 101010 "the separator row is not highlighted"
check "$S" 1020 700 101010 "the folder's row is not highlighted"
convert "$S" -crop 300x215+724+553 +repage "$E2E_OUT/popup.png"
[ -n "${LUMAREL_DOCS_SHOT:-}" ] && cp "$E2E_OUT/popup.png" "$LUMAREL_DOCS_SHOT"

# While the button is held the highlight turns to the button shadow.
xdotool mousedown 1
settle
screenshot "$E2E_OUT/pressed.png"
held=$(pixel "$E2E_OUT/pressed.png" 1020 665)
[ "${held,,}" != 0066cc ] && [ "${held,,}" != 101010 ] || fail "pressed highlight is $held"
xdotool mouseup 1
for _ in $(seq 100); do [ -s "$STARTED" ] && break; sleep 0.1; done
[ "$(grep -c started "$STARTED" 2>/dev/null)" = 1 ] || fail "the helper did not start once"
wait_popup gone || fail "the popup stayed open after starting an entry"

# Open again, then a second tray press closes it and starts nothing.
tray_press there || fail "no popup after the next tray press"
xdotool mousemove 900 665
settle
tray_press gone || fail "the second tray press left the popup open"
settle 1
[ "$(grep -c started "$STARTED")" = 1 ] || fail "something started the helper again"

probe post Lumarel 0x0010 >/dev/null || fail "WM_CLOSE could not be posted"
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT"
echo "PASS: popup with entries opened, hovered, clicked, toggled (tray press by $TRAY_PATH)"
