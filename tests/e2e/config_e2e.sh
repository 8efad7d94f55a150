#!/usr/bin/env bash
# The configuration window driven as a user would: open it (the menu item
# "Konfiguration"), add a separator through the text-input dialog and a
# file through the open-file dialog, move the file up, change the width;
# the rows and fields read back as expected, and after "Beenden" the
# settings file holds the entries in the new order and the new width.
. "$(dirname "$0")/lib.sh"
EXE=$1 PROBE=$2
TITLE="Lumarel - Konfiguration"

# Moves the pointer to the point that the probe printed and clicks there.
click_at() {
    local point
    point=$(probe "$@") || fail "no point for: $*"
    # shellcheck disable=SC2086
    xdotool mousemove $point click 1
    sleep 0.5
}

rows() { probe list-rows "$TITLE" | tr -d '\r'; }

# A picture of the configuration window alone.
window_shot() {
    local rect l t r b
    rect=$(probe window-info "$TITLE" | tr -d '\r' | sed -n 's/.*rect=//p')
    IFS=, read -r l t r b <<<"$rect"
    screenshot "$E2E_OUT/screen.png"
    convert "$E2E_OUT/screen.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$1"
}

e2e_begin
start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "the main window never appeared"

# From the tray menu: a right press on the icon, then the upper item.
for _ in $(seq 50); do
    xdotool mousemove 1013 757 click 3
    sleep 0.5
    probe menu-rect - >"$E2E_OUT/menu.txt" 2>/dev/null && break
done
IFS=, read -r left top right bottom < <(tr -d '\r' <"$E2E_OUT/menu.txt")
[ -n "${bottom:-}" ] || fail "a right press on the tray icon opened no menu"
xdotool mousemove $((right - 40)) $((top + 9)) click 1
probe wait-window "$TITLE" 20 >/dev/null || fail "the configuration window did not open"
sleep 1

# A separator through the text-input dialog: type a caption, press Enter.
click_at control-center "$TITLE" "Trennstrich"
probe wait-window "Trennstrich" 20 >/dev/null || fail "the text-input dialog did not open"
xdotool type --delay 50 "Spiele"
xdotool key Return
sleep 1
probe window-info "Trennstrich" >/dev/null 2>&1 && fail "the text-input dialog stayed open"

# A file through the open-file dialog: type a path, press Enter.
click_at control-center "$TITLE" "$(printf 'Datei hinzuf\xfcgen' | iconv -f WINDOWS-1252 -t UTF-8)"
probe wait-window "Datei ausw$(printf '\xe4' | iconv -f WINDOWS-1252 -t UTF-8)hlen" 30 >/dev/null ||
    fail "the open-file dialog did not open"
sleep 1
xdotool type --delay 50 'C:\windows\notepad.exe'
xdotool key Return
sleep 2

got=$(rows)
echo "$got"
[ "$got" = "$(printf 'selected=-1\nTrennstrich: Spiele\nnotepad.exe')" ] || fail "rows after adding: $got"

# Select the file and move it up.
click_at list-row-center "$TITLE" 1
click_at control-center "$TITLE" "Nach oben"
got=$(rows)
echo "$got"
[ "$got" = "$(printf 'selected=0\nnotepad.exe\nTrennstrich: Spiele')" ] || fail "rows after moving up: $got"
window_shot "$E2E_OUT/config-items.png"  # the pictures in docs/ come from here

# Page "Ansicht": replace the width 200 by 250, key by key.
click_at tab-center "$TITLE" 1
click_at control-center "$TITLE" "200"
xdotool key End BackSpace BackSpace BackSpace
xdotool type --delay 50 "250"
sleep 1
fields=$(probe controls "$TITLE" | tr -d '\r' | awk '$1 == "Edit" && $3 == 1 {print $4 ":" $5}')
echo "$fields"
[ "$fields" = "$(printf '1:25\n1:20\n1:250\n0:Tahoma:10')" ] || fail "fields after typing: $fields"
window_shot "$E2E_OUT/config-view.png"

# "Beenden" saves and ends the program.
probe post Lumarel 0x0111 1 >/dev/null || fail "the menu command could not be posted"
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT after Beenden"

want="$E2E_OUT/want.ini"
printf '[notepad.exe]\r\nPfad = C:\\windows\\notepad.exe\r\nItemArt = 0\r\n[Spiele]\r\nPfad = \r\nItemArt = 1\r\n[Lumarel-Einstellungen]\r\nFont = Tahoma\r\nFontStyle = 0\r\nFontgr\xf6sse = 10\r\nBreite = 250\r\nItemH\xf6he = 25\r\nTrennstrichH\xf6he = 20\r\n' >"$want"
cmp "$want" "$APPDATA_DIR/Lumarel.ini" || fail "the settings file differs: $(od -c "$APPDATA_DIR/Lumarel.ini" | head -20)"
echo "the settings file holds the new order and width, byte for byte"
echo "PASS: separator and file added, file moved up, width typed, program ended with 0"
