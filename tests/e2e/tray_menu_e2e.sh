#!/usr/bin/env bash
# The tray icon as a user meets it: it shows in the notification area, a
# right press opens the menu "Konfiguration" / "Beenden", Escape closes it
# with nothing happening, a rebuilt notification area ("TaskbarCreated")
# gets the icon back, and "Beenden" ends the program with exit code 0.
. "$(dirname "$0")/lib.sh"
EXE=$1 PROBE=$2
ICON_X=1013 ICON_Y=757
ICON_BOX=16x16+1006+750  # where the first tray icon sits

e2e_begin
start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "the main window never appeared"

# The icon box against the plain taskbar beside it.
icon_colours() { convert "$1" -crop "$ICON_BOX" +repage -unique-colors -format %w info:; }
icon_box() { convert "$1" -crop "$ICON_BOX" +repage "$2"; }
wait_for_icon() {  # NAME: waits until the box shows more than the taskbar
    for _ in $(seq 50); do
        screenshot "$E2E_OUT/$1.png"
        [ "$(icon_colours "$E2E_OUT/$1.png")" -gt 8 ] && return 0
        sleep 0.2
    done
    return 1
}
wait_for_menu() {
    for _ in $(seq 30); do
        probe menu-rect - >"$E2E_OUT/menu.txt" 2>/dev/null && return 0
        sleep 0.2
    done
    return 1
}

wait_for_icon with-icon || fail "no icon in the notification area"
icon_box "$E2E_OUT/with-icon.png" "$E2E_OUT/icon.png"
echo "the tray icon shows ($(icon_colours "$E2E_OUT/with-icon.png") colours in its box)"

# Right press: the menu with its two items.
xdotool mousemove $ICON_X $ICON_Y click 3
wait_for_menu || fail "a right press opened no menu"
IFS=, read -r left top right bottom < <(tr -d '\r' <"$E2E_OUT/menu.txt")
# Two plain text items, placed at the pointer and moved up to fit the screen.
height=$((bottom - top))
[ "$height" -ge 30 ] && [ "$height" -le 60 ] || fail "the menu is $height px high, not two items"
[ "$right" -le 1024 ] && [ "$bottom" -le 768 ] && [ "$left" -le $((ICON_X - 1)) ] || fail "the menu is at $left,$top,$right,$bottom"
xdotool mousemove $((right - 40)) $((top + 9))  # over the first item, away from the tooltip
sleep 0.5
screenshot "$E2E_OUT/tray-menu.png"
echo "the menu opens at $left,$top,$right,$bottom"

# Escape closes it; the program runs on and the icon stays.
xdotool mousemove $((right - 40)) $((top + 4)) key Escape  # keys go to the window under the pointer
for _ in $(seq 20); do probe menu-rect - >/dev/null 2>&1 || break; sleep 0.2; done
probe menu-rect - >/dev/null 2>&1 && fail "Escape left the menu open"
wait_program 1
[ "$PROGRAM_EXIT" = running ] || fail "Escape ended the program"
probe wait-window "Lumarel - Konfiguration" 1 >/dev/null 2>&1 && fail "Escape opened the configuration"
echo "Escape closed the menu and nothing happened"

# The shell forgets the icon, as when it restarts ...
probe tray-remove Lumarel >/dev/null || fail "the icon could not be removed from outside"
sleep 1
screenshot "$E2E_OUT/removed.png"
[ "$(icon_colours "$E2E_OUT/removed.png")" -le 8 ] || fail "the icon is still shown after removing it"
# ... and announces a new taskbar: the icon comes back as it was.
probe broadcast TaskbarCreated >/dev/null || fail "TaskbarCreated could not be broadcast"
wait_for_icon back || fail "the icon did not come back after TaskbarCreated"
icon_box "$E2E_OUT/back.png" "$E2E_OUT/icon-back.png"
diff=$(compare -metric AE "$E2E_OUT/icon.png" "$E2E_OUT/icon-back.png" null: 2>&1)
[ "$diff" = 0 ] || fail "the icon came back changed ($diff pixels differ)"
echo "TaskbarCreated brought the removed icon back"

# The upper item is "Konfiguration": it opens the configuration window.
xdotool mousemove $ICON_X $ICON_Y click 3
wait_for_menu || fail "the second right press opened no menu"
xdotool mousemove $((right - 40)) $((top + 9)) click 1
probe wait-window "Lumarel - Konfiguration" 10 >/dev/null || fail "the upper item opened no configuration window"
probe post "Lumarel - Konfiguration" 0x0010 >/dev/null  # WM_CLOSE
echo "the upper item opened the configuration window"

# The lower item, "Beenden", ends the program.
xdotool mousemove $ICON_X $ICON_Y click 3
wait_for_menu || fail "the third right press opened no menu"
xdotool mousemove $((right - 40)) $((bottom - 11)) click 1
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT after Beenden"
# It saved on the way out: a first start writes the default view settings.
printf '[Lumarel-Einstellungen]\r\nFont = Tahoma\r\nFontStyle = 0\r\nFontgr\xf6sse = 10\r\nBreite = 200\r\nItemH\xf6he = 25\r\nTrennstrichH\xf6he = 20\r\n' >"$E2E_OUT/want.ini"
cmp "$E2E_OUT/want.ini" "$APPDATA_DIR/Lumarel.ini" || fail "Beenden did not save the settings"
echo "PASS: icon shown, menu Konfiguration/Beenden, Escape harmless, icon back after TaskbarCreated, Beenden saves and exits 0"
