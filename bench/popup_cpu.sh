#!/usr/bin/env bash
# What skipping unchanged popup passes saves. Builds Lumarel.exe twice
# (64-bit, as 32-bit code runs only emulated on some machines): as it ships
# and with LUMAREL_ALWAYS_REPAINT=ON. For each, on its own Wine desktop with
# a settings file of 50 entries, it opens the popup, rests the pointer on
# an entry and takes the CPU time of Lumarel.exe and of the wineserver over
# 10 seconds; then prints the ratio. Last, popup_pass.exe prints the cost of
# one full pass for 10, 100 and 1,000 entries.
#   bench/popup_cpu.sh [SECONDS]
set -u
. "$(dirname "$0")/../tools/wine-env.sh"
SECONDS_MEASURED=${1:-10}
OUT=$LUMAREL_ROOT/build/bench
mkdir -p "$OUT"

build() {  # dir, extra cmake arguments
    cmake -S "$LUMAREL_ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$LUMAREL_ROOT/cmake/mingw-x86_64.cmake" \
        -DLUMAREL_WINE_TESTS=OFF "${@:2}" >"$1.configure.log" 2>&1 &&
        cmake --build "$1" -j2 --target Lumarel probe popup_pass >"$1.build.log" 2>&1 ||
        { echo "build failed: see $1.build.log" >&2; exit 1; }
}
build "$OUT/skip" -DLUMAREL_ALWAYS_REPAINT=OFF
build "$OUT/always" -DLUMAREL_ALWAYS_REPAINT=ON

ticks() {  # utime + stime of a process, in clock ticks
    local t
    t=$(awk '{print $14 + $15}' "/proc/${1:-none}/stat" 2>/dev/null)
    echo "${t:-0}"
}

XVFB=""
PROGRAM=""
cleanup() {
    [ -n "$PROGRAM" ] && kill "$PROGRAM" 2>/dev/null
    drop_prefix
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
    XVFB="" PROGRAM=""
}
trap cleanup EXIT

# Prints "program-seconds wineserver-seconds entries".
measure() {
    local build=$1
    unset DISPLAY
    start_xvfb || exit 1
    XVFB=$XVFB_PID
    WINEPREFIX=$(fresh_prefix) || exit 1
    export WINEPREFIX
    local appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
    mkdir -p "$appdata"
    {
        for i in $(seq 1 50); do
            printf '[Programm %02d.exe]\r\nPfad = C:\\windows\\notepad.exe\r\nItemArt = 0\r\n' "$i"
        done
        printf '[Lumarel-Einstellungen]\r\nBreite = 200\r\n'
    } >"$appdata/Lumarel.ini"
    wine "$build/Lumarel.exe" >/dev/null 2>&1 &
    local shell=$!
    wine "$build/probe.exe" wait-window Lumarel 60 >/dev/null 2>&1
    sleep 1
    # "wine" is a shell function: the program is the child of that subshell.
    PROGRAM=$(pgrep -P "$shell" | head -1)
    xdotool mousemove 1013 757 click 1
    if ! wine "$build/probe.exe" wait-window Popup 2 >/dev/null 2>&1; then
        wine "$build/probe.exe" send Lumarel 12501 0 0x201 >/dev/null 2>&1
        wine "$build/probe.exe" wait-window Popup 5 >/dev/null 2>&1
    fi
    local info top bottom
    info=$(wine "$build/probe.exe" window-info Popup 2>/dev/null)
    top=$(echo "$info" | sed -n 's/.*rect=[-0-9]*,\([-0-9]*\),[-0-9]*,\([-0-9]*\).*/\1/p')
    bottom=$(echo "$info" | sed -n 's/.*rect=[-0-9]*,[-0-9]*,[-0-9]*,\([-0-9]*\).*/\1/p')
    # The pointer rests on the entry above the bottom one.
    xdotool mousemove 900 $((bottom - 30))
    sleep 1
    # The wineserver of this prefix, not another one on the machine: it
    # works in a folder named after the prefix's device and inode.
    local server="" p key
    key=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
    for p in $(pgrep -u "$(id -u)" wineserver); do
        case "$(readlink "/proc/$p/cwd")" in */"$key") server=$p ;; esac
    done
    local p0 s0 p1 s1
    p0=$(ticks "$PROGRAM") s0=$(ticks "$server")
    sleep "$SECONDS_MEASURED"
    p1=$(ticks "$PROGRAM") s1=$(ticks "$server")
    local hz
    hz=$(getconf CLK_TCK)
    echo "$(echo "($p1 - $p0) / $hz" | bc -l) $(echo "($s1 - $s0) / $hz" | bc -l) $(((bottom - top) / 25))"
    wine "$build/probe.exe" post Lumarel 0x0010 >/dev/null 2>&1
    sleep 2
    cleanup
}

read -r skipProgram skipServer skipEntries <<<"$(measure "$OUT/skip")"
read -r alwaysProgram alwaysServer alwaysEntries <<<"$(measure "$OUT/always")"
[ "$skipEntries" = 50 ] && [ "$alwaysEntries" = 50 ] ||
    echo "NOTE: the popup showed $skipEntries / $alwaysEntries entries, not 50: this build does not load the settings file yet"
printf 'CPU over %s s with the popup open, pointer resting on an entry (entries shown: %s)\n' "$SECONDS_MEASURED" "$skipEntries"
printf '  %-28s Lumarel.exe %7.2f s   wineserver %7.2f s\n' "skipping unchanged passes" "$skipProgram" "$skipServer"
printf '  %-28s Lumarel.exe %7.2f s   wineserver %7.2f s\n' "repainting every pass" "$alwaysProgram" "$alwaysServer"
printf '  ratio Lumarel.exe, skipping / repainting: %.3f\n' "$(echo "$skipProgram / $alwaysProgram" | bc -l)"
printf '  ratio with the wineserver:                %.3f\n' \
    "$(echo "($skipProgram + $skipServer) / ($alwaysProgram + $alwaysServer)" | bc -l)"

echo "One pass on the real canvas (popup_pass.exe):"
bash "$LUMAREL_ROOT/tools/wine-run.sh" "$OUT/skip/popup_pass.exe"
