# Shared by the popup's end-to-end tests; sourced after lib.sh.

TRAY_X=1013 TRAY_Y=757
TRAY_PATH=""  # how the last tray press reached the program

# Window rectangle of the popup as "left top right bottom", empty when none.
popup_rect() {
    local info
    info=$(probe window-info Popup 2>/dev/null) || return 1
    echo "$info" | sed -n 's/.*rect=\([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\).*/\1 \2 \3 \4/p'
}

popup_info() { probe window-info Popup 2>/dev/null; }

# Waits until the popup is there (or gone, with "gone"), at most the seconds given.
wait_popup() {
    local want=${1:-there} seconds=${2:-5}
    if [ "$want" = there ]; then probe wait-window Popup "$seconds" >/dev/null 2>&1
    else probe wait-gone Popup "$seconds" >/dev/null 2>&1; fi
}

# A left press on the tray icon. With a tray icon, xdotool presses it as a
# user would. Without one the notification message that the notification
# area would send (12501, lParam WM_LBUTTONDOWN) goes to the main window.
tray_press() {
    local expect=$1  # "there" or "gone" afterwards
    xdotool mousemove $TRAY_X $TRAY_Y click 1
    if wait_popup "$expect" 2; then TRAY_PATH=xdotool; return 0; fi
    probe send Lumarel 12501 0 0x201 >/dev/null
    TRAY_PATH=message
    wait_popup "$expect"
}

# Lets the program's loop repaint after the pointer moved.
settle() { sleep "${1:-0.5}"; }
