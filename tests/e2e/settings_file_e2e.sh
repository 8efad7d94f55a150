#!/usr/bin/env bash
# The settings file in the user's real %APPDATA%: read at start, written at
# "Beenden" with the exact bytes; a read-only file or a missing folder
# leaves everything as it was, and the program still ends with exit code 0.
. "$(dirname "$0")/lib.sh"
EXE=$1 PROBE=$2

e2e_begin
ini="$APPDATA_DIR/Lumarel.ini"

# Bold Tahoma 10, a program, a captioned separator and a folder; every line
# ends in CR LF, the separator's "Pfad = " in a blank, each ö is F6.
printf '%s\r\n' '[notepad.exe]' 'Pfad = C:\windows\notepad.exe' 'ItemArt = 0' \
    '[Werkzeuge]' 'Pfad = ' 'ItemArt = 1' \
    '[Documents]' 'Pfad = C:\users\Public\Documents\' 'ItemArt = 0' \
    '[Lumarel-Einstellungen]' 'Font = Tahoma' 'FontStyle = 256' $'Fontgr\xF6sse = 10' \
    'Breite = 260' $'ItemH\xF6he = 25' $'TrennstrichH\xF6he = 20' >"$ini"
cp "$ini" "$E2E_OUT/expected.ini"

start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "no main window"
# The view settings were read: the popup is 260 wide and 25 + 20 + 25 high.
probe send Lumarel 12501 0 0x201 >/dev/null  # a tray press
probe wait-window Popup 20 >/dev/null || fail "no popup"
info=$(probe window-info Popup)
case "$info" in *rect=764,678,1024,748*) ;; *) fail "popup not as the file says: $info" ;; esac
# The entries were read: the configuration window lists them.
probe post Lumarel 0x0111 0 >/dev/null  # "Konfiguration"
probe wait-window "Lumarel - Konfiguration" 20 >/dev/null || fail "no configuration window"
rows=$(probe list-rows "Lumarel - Konfiguration" | tr -d "\r")
[ "$rows" = $'selected=-1\nnotepad.exe\nTrennstrich: Werkzeuge\nDocuments' ] || fail "rows: $rows"
probe post Lumarel 0x0111 1 >/dev/null  # "Beenden"
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT"
cmp "$ini" "$E2E_OUT/expected.ini" || fail "the file was not written back byte for byte"
ls "$APPDATA_DIR" | grep -q '\.tmp$' && fail "a temporary file was left"
echo "read at start and written back byte for byte"

# A read-only file: the save must fail and leave it as it was. "0300"
# reads as 300 and would be written as "300".
sed -i 's/^Breite = 260/Breite = 0300/' "$ini"
cp "$ini" "$E2E_OUT/readonly.ini"
chmod a-w "$ini"
out=$(probe run-and-quit "$EXE" 'C:\users\'"$(id -un)"'\AppData\Roaming' | tr -d "\r")
echo "read-only: $out"
[ "$out" = "window=1 exit=0" ] || fail "read-only file: $out"
cmp "$ini" "$E2E_OUT/readonly.ini" || fail "the read-only file was changed"
chmod u+w "$ini"

# A folder that does not exist: nothing is written, nothing is created.
out=$(probe run-and-quit "$EXE" 'C:\Nirgendwo' | tr -d "\r")
echo "missing folder: $out"
[ "$out" = "window=1 exit=0" ] || fail "missing folder: $out"
[ -e "$WINEPREFIX/drive_c/Nirgendwo" ] && fail "the missing folder was created"
cmp "$ini" "$E2E_OUT/readonly.ini" || fail "the settings file changed"
echo "PASS: settings read and written exactly; read-only file and missing folder left alone, exit code 0"
