#!/usr/bin/env bash
# What Lumarel costs while it waits in the tray. Builds Lumarel.exe twice:
# as it ships (the loop sleeps until a message comes while the popup is
# hidden) and with LUMAREL_ALWAYS_POLL=ON (it wakes every 2 ms, as while
# the popup is shown). Both run side by side, each on its own virtual
# screen and Wine prefix with a settings file of 50 entries, idle in the
# tray; over the measured time the script takes the CPU time (utime +
# stime in /proc/PID/stat) and the wake-ups (voluntary and involuntary
# context switches of all threads, /proc/PID/task/*/status) of
# Lumarel.exe and of its wineserver, and prints the ratios. A third prefix
# runs tray_only.exe, which only waits in GetMessage with a tray icon: its
# wineserver's figures are the floor that Wine's own desktop process
# (explorer, the taskbar) costs in every prefix.
# 64-bit builds: on machines that run 32-bit x86 code only through
# emulation, a 32-bit program's figures would measure the emulator.
#   bench/idle_cpu.sh [SECONDS]   (default 60)
set -u
. "$(dirname "$0")/../tools/wine-env.sh"
SECONDS_MEASURED=${1:-60}
OUT=$LUMAREL_ROOT/build/bench
mkdir -p "$OUT"

build() {  # dir, extra cmake arguments
    cmake -S "$LUMAREL_ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$LUMAREL_ROOT/cmake/mingw-x86_64.cmake" \
        -DLUMAREL_WINE_TESTS=OFF "${@:2}" >"$1.configure.log" 2>&1 &&
        cmake --build "$1" -j2 --target Lumarel probe tray_only >"$1.build.log" 2>&1 ||
        { echo "build failed: see $1.build.log" >&2; exit 1; }
}
build "$OUT/idle" -DLUMAREL_ALWAYS_POLL=OFF
build "$OUT/poll" -DLUMAREL_ALWAYS_POLL=ON

ticks() {  # utime + stime of a process, in clock ticks
    local t
    t=$(awk '{print $14 + $15}' "/proc/${1:-none}/stat" 2>/dev/null)
    echo "${t:-0}"
}

switches() {  # context switches of all threads of a process
    local t
    t=$(cat /proc/"${1:-none}"/task/*/status 2>/dev/null |
        awk '$1 ~ /ctxt_switches:$/ {n += $2} END {print n + 0}')
    echo "${t:-0}"
}

# The wineserver of a prefix, not another one on the machine: it works in
# a folder named after the prefix's device and inode.
server_of() {
    local p key
    key=$(printf 'server-%x-%x' "$(stat -c %d "$1")" "$(stat -c %i "$1")")
    for p in $(pgrep -u "$(id -u)" wineserver); do
        case "$(readlink "/proc/$p/cwd")" in */"$key") echo "$p"; return ;; esac
    done
}

# Per variant: its screen, prefix, program and wineserver.
declare -A XVFB PREFIX PROGRAM SERVER
cleanup() {
    local v
    for v in "${!PREFIX[@]}"; do
        [ -n "${PROGRAM[$v]:-}" ] && kill "${PROGRAM[$v]}" 2>/dev/null
        WINEPREFIX=${PREFIX[$v]} drop_prefix
        [ -n "${XVFB[$v]:-}" ] && kill "${XVFB[$v]}" 2>/dev/null
    done
}
trap cleanup EXIT

start() {  # variant, build, program, window title
    local v=$1 build=$OUT/$2
    unset DISPLAY
    start_xvfb || exit 1
    XVFB[$v]=$XVFB_PID
    export WINEPREFIX
    WINEPREFIX=$(fresh_prefix) || exit 1
    PREFIX[$v]=$WINEPREFIX
    local appdata
    appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
    mkdir -p "$appdata"
    {
        for i in $(seq 1 50); do
            printf '[Programm %02d.exe]\r\nPfad = C:\\windows\\notepad.exe\r\nItemArt = 0\r\n' "$i"
        done
    } >"$appdata/Lumarel.ini"
    wine "$build/$3" >/dev/null 2>&1 &
    local shell=$!
    wine "$build/probe.exe" wait-window "$4" 60 >/dev/null 2>&1 || { echo "$v: no main window" >&2; exit 1; }
    # "wine" is a shell function: the program is the child of that subshell.
    PROGRAM[$v]=$(pgrep -P "$shell" | head -1)
    SERVER[$v]=$(server_of "$WINEPREFIX")
}

start idle idle Lumarel.exe Lumarel
start poll poll Lumarel.exe Lumarel
start floor idle tray_only.exe TrayOnly
sleep 3  # start-up work done, explorer settled

declare -A P0 S0 PW0 SW0
for v in idle poll floor; do
    P0[$v]=$(ticks "${PROGRAM[$v]}") S0[$v]=$(ticks "${SERVER[$v]}")
    PW0[$v]=$(switches "${PROGRAM[$v]}") SW0[$v]=$(switches "${SERVER[$v]}")
done
sleep "$SECONDS_MEASURED"
hz=$(getconf CLK_TCK)
declare -A CPU SCPU WAKE SWAKE
for v in idle poll floor; do
    CPU[$v]=$(echo "($(ticks "${PROGRAM[$v]}") - ${P0[$v]}) / $hz" | bc -l)
    SCPU[$v]=$(echo "($(ticks "${SERVER[$v]}") - ${S0[$v]}) / $hz" | bc -l)
    WAKE[$v]=$(echo "($(switches "${PROGRAM[$v]}") - ${PW0[$v]}) / $SECONDS_MEASURED" | bc -l)
    SWAKE[$v]=$(echo "($(switches "${SERVER[$v]}") - ${SW0[$v]}) / $SECONDS_MEASURED" | bc -l)
done
WINEPREFIX=${PREFIX[idle]} wine "$OUT/idle/probe.exe" post Lumarel 0x0010 >/dev/null 2>&1
WINEPREFIX=${PREFIX[poll]} wine "$OUT/poll/probe.exe" post Lumarel 0x0010 >/dev/null 2>&1
WINEPREFIX=${PREFIX[floor]} wine "$OUT/idle/probe.exe" post TrayOnly 0x0010 >/dev/null 2>&1
sleep 2

ratio() { if [ "$(echo "$2 > 0" | bc -l)" = 1 ]; then printf '%.4f' "$(echo "$1 / $2" | bc -l)"; else echo "n/a"; fi; }
echo "Idle in the tray with 50 entries, $SECONDS_MEASURED s, all three side by side (64-bit;"
echo "32-bit code runs only emulated on some machines and would measure the emulator)"
printf '  %-22s %14s %14s %16s %16s\n' "" "program CPU s" "server CPU s" "program wakes/s" "server wakes/s"
printf '  %-22s %14.3f %14.3f %16.1f %16.1f\n' "waiting for messages" "${CPU[idle]}" "${SCPU[idle]}" "${WAKE[idle]}" "${SWAKE[idle]}"
printf '  %-22s %14.3f %14.3f %16.1f %16.1f\n' "2 ms wait forced" "${CPU[poll]}" "${SCPU[poll]}" "${WAKE[poll]}" "${SWAKE[poll]}"
printf '  %-22s %14.3f %14.3f %16.1f %16.1f\n' "tray_only.exe (floor)" "${CPU[floor]}" "${SCPU[floor]}" "${WAKE[floor]}" "${SWAKE[floor]}"
echo "  ratio waiting / forced (goal: CPU under 0.01):"
echo "    Lumarel.exe CPU         $(ratio "${CPU[idle]}" "${CPU[poll]}")"
echo "    with its wineserver     $(ratio "$(echo "${CPU[idle]} + ${SCPU[idle]}" | bc -l)" "$(echo "${CPU[poll]} + ${SCPU[poll]}" | bc -l)")"
echo "    wineserver above floor  $(ratio "$(echo "${SCPU[idle]} - ${SCPU[floor]}" | bc -l)" "$(echo "${SCPU[poll]} - ${SCPU[floor]}" | bc -l)")  (negative: below the floor, within noise)"
echo "    Lumarel.exe wake-ups    $(ratio "${WAKE[idle]}" "${WAKE[poll]}")"
echo "    wineserver wake-ups     $(ratio "${SWAKE[idle]}" "${SWAKE[poll]}")"
