#!/usr/bin/env bash
# A long run without leaks. With 50 entries, five rounds of: the popup
# opened and closed 200 times by tray presses, the configuration window
# opened and closed 20 times, 40 separators added through "Trennstrich"
# and its dialog and 4 files through the open-file dialog, all removed
# again through "Entfernen" (1,000, 100 and 220 in all). After every
# round the program's GDI objects, its windows and its memory (VmRSS,
# VmData) are taken; every later round must stay within a fixed margin of
# the first, which has filled the caches.
# Wine reports no GetGuiResources figures (0), so the GDI objects are
# counted in the process's GDI handle table, and the USER objects that
# matter here, windows, by enumerating the process's windows; an icon
# that leaks shows as the bitmaps it holds.
. "$(dirname "$0")/lib.sh"
EXE=$1 PROBE=$2
CONFIG="Lumarel - Konfiguration"
ROUNDS=${LONG_RUN_ROUNDS:-5}
GDI_MARGIN=16      # objects
MEMORY_MARGIN=2048 # kB

e2e_begin
{
    for i in $(seq 1 50); do
        printf '[Programm %02d.exe]\r\nPfad = C:\\windows\\notepad.exe\r\nItemArt = 0\r\n' "$i"
    done
} >"$APPDATA_DIR/Lumarel.ini"
start_program "$EXE"
probe wait-window Lumarel 60 >/dev/null || fail "the main window never appeared"
# "wine" is a shell function: the program is the child of its subshell.
LINUX_PID=$(pgrep -P "$PROGRAM_PID" | head -1)
[ -n "$LINUX_PID" ] || fail "no process of the program"

status_kb() { awk -v key="$1:" '$1 == key {print $2}' "/proc/$LINUX_PID/status"; }
rows() { probe list-rows "$CONFIG" | tr -d '\r' | tail -n +2 | wc -l; }

# Sets GDI WINDOWS RSS DATA.
take_figures() {
    local line
    line=$(probe resources Lumarel | tr -d '\r') || fail "no resource figures"
    GDI=$(echo "$line" | sed -n 's/^gdi=\([-0-9]*\).*/\1/p')
    WINDOWS=$(echo "$line" | sed -n 's/.*windows=\([0-9]*\).*/\1/p')
    [ -n "$GDI" ] && [ "$GDI" -gt 0 ] || fail "the GDI handle table could not be read: $line"
    RSS=$(status_kb VmRSS)
    DATA=$(status_kb VmData)
}

for round in $(seq 1 "$ROUNDS"); do
    probe tray-toggles Lumarel 200 || fail "round $round: tray presses"
    probe config-cycles Lumarel 20 || fail "round $round: configuration window"
    probe post Lumarel 0x0111 0 >/dev/null
    probe wait-window "$CONFIG" 20 >/dev/null || fail "round $round: the configuration window did not open"
    before=$(rows)
    probe add-separators "$CONFIG" 40 || fail "round $round: adding separators"
    probe add-files "$CONFIG" 4 'C:\windows\notepad.exe' || fail "round $round: adding files"
    [ "$(rows)" = $((before + 44)) ] || fail "round $round: $(rows) rows after adding 44 to $before"
    probe remove-rows "$CONFIG" 44 || fail "round $round: removing rows"
    [ "$(rows)" = "$before" ] || fail "round $round: $(rows) rows after removing, not $before"
    probe post "$CONFIG" 0x0010 >/dev/null
    probe wait-gone "$CONFIG" 20 >/dev/null || fail "round $round: the configuration window stayed"
    sleep 1
    take_figures
    echo "round $round: gdi=$GDI windows=$WINDOWS VmRSS=${RSS}kB VmData=${DATA}kB"
    if [ "$round" = 1 ]; then
        GDI1=$GDI WINDOWS1=$WINDOWS RSS1=$RSS DATA1=$DATA
        continue
    fi
    [ "$GDI" -le $((GDI1 + GDI_MARGIN)) ] || fail "round $round: $GDI GDI objects, $GDI1 after round 1"
    [ "$WINDOWS" = "$WINDOWS1" ] || fail "round $round: $WINDOWS windows, $WINDOWS1 after round 1"
    [ "$RSS" -le $((RSS1 + MEMORY_MARGIN)) ] || fail "round $round: VmRSS ${RSS} kB, ${RSS1} kB after round 1"
    [ "$DATA" -le $((DATA1 + MEMORY_MARGIN)) ] || fail "round $round: VmData ${DATA} kB, ${DATA1} kB after round 1"
done

probe post Lumarel 0x0010 >/dev/null || fail "WM_CLOSE could not be posted"
wait_program 30
[ "$PROGRAM_EXIT" = 0 ] || fail "exit code $PROGRAM_EXIT"
echo "PASS: $ROUNDS rounds; GDI objects, windows and memory stayed within the margins of round 1"
