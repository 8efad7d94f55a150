#!/usr/bin/env bash
# How fast Lumarel starts, against tray_only.exe, a program that only opens
# a hidden window and adds a tray icon. The probe starts each program
# (CreateProcess) and polls every millisecond until its tray icon is in the
# notification area (a NIM_MODIFY that changes nothing succeeds only then);
# it then posts WM_CLOSE and waits for the process to end. Two figures per
# run, both for the whole process: start to tray icon, and start to exit,
# which holds all start-up work (Lumarel reads its entries only after
# adding the icon; the close request waits in the queue until the loop
# runs) and the shut-down (Lumarel writes its settings file).
# Lumarel runs with 0, 100 and 1,000 program entries, and, to show what the
# entries cost, with 1,000 folders (no shell icon look-up: they all share
# the embedded folder icon) and 1,000 separators (no icon at all).
# Runs interleave the variants so that the machine's other work spreads
# over all of them; the script prints medians and ratios.
# 64-bit build: on machines that run 32-bit x86 code only through
# emulation, a 32-bit program's start would measure the emulator.
#   bench/start_time.sh [RUNS]   (default 9)
set -u
. "$(dirname "$0")/../tools/wine-env.sh"
RUNS=${1:-9}
OUT=$LUMAREL_ROOT/build/bench
BUILD=$OUT/start
mkdir -p "$OUT"
cmake -S "$LUMAREL_ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$LUMAREL_ROOT/cmake/mingw-x86_64.cmake" \
    -DLUMAREL_WINE_TESTS=OFF >"$BUILD.configure.log" 2>&1 &&
    cmake --build "$BUILD" -j2 --target Lumarel probe tray_only >"$BUILD.build.log" 2>&1 ||
    { echo "build failed: see $BUILD.build.log" >&2; exit 1; }

XVFB=""
cleanup() {
    drop_prefix
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
}
trap cleanup EXIT
unset DISPLAY
start_xvfb || exit 1
XVFB=$XVFB_PID
WINEPREFIX=$(fresh_prefix) || exit 1
export WINEPREFIX
APPDATA_DIR="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming"
mkdir -p "$APPDATA_DIR"
# The programs inside the prefix, as a user's would be.
PROGRAMS="$WINEPREFIX/drive_c/lumarel-bench"
mkdir -p "$PROGRAMS"
cp "$BUILD/Lumarel.exe" "$BUILD/tray_only.exe" "$PROGRAMS/"

settings() {  # variant: writes the settings file it starts with
    local count kind
    rm -f "$APPDATA_DIR/Lumarel.ini"
    case $1 in
    lumarel-0) return ;;
    lumarel-100) count=100 kind=program ;;
    lumarel-1000) count=1000 kind=program ;;
    folders-1000) count=1000 kind=folder ;;
    separators-1000) count=1000 kind=separator ;;
    esac
    for i in $(seq 1 "$count"); do
        case $kind in
        program) printf '[Programm %04d.exe]\r\nPfad = C:\\Programme\\Programm %04d.exe\r\nItemArt = 0\r\n' "$i" "$i" ;;
        folder) printf '[Ordner %04d]\r\nPfad = C:\\Ordner %04d\\\r\nItemArt = 0\r\n' "$i" "$i" ;;
        separator) printf '[Gruppe %04d]\r\nPfad = \r\nItemArt = 1\r\n' "$i" ;;
        esac
    done >"$APPDATA_DIR/Lumarel.ini"
}

VARIANTS="tray-only lumarel-0 lumarel-100 lumarel-1000 folders-1000 separators-1000"
declare -A TRAY EXIT
# One unmeasured start of each: Wine's first starts load files into the page cache.
for v in tray-only lumarel-100; do
    settings lumarel-100
    wine "$BUILD/probe.exe" start-time "$([ $v = tray-only ] && echo TrayOnly || echo Lumarel)" \
        "C:\\lumarel-bench\\$([ $v = tray-only ] && echo tray_only.exe || echo Lumarel.exe)" >/dev/null 2>&1
done
for run in $(seq 1 "$RUNS"); do
    for v in $VARIANTS; do
        if [ "$v" = tray-only ]; then
            title=TrayOnly exe='C:\lumarel-bench\tray_only.exe'
        else
            title=Lumarel exe='C:\lumarel-bench\Lumarel.exe'
            settings "$v"
        fi
        line=$(wine "$BUILD/probe.exe" start-time "$title" "$exe" 2>/dev/null | tr -d '\r')
        read -r tray exit <<<"$line"
        [ -n "${exit:-}" ] || { echo "run $run, $v: no figures ($line)" >&2; continue; }
        TRAY[$v]="${TRAY[$v]:-} $tray" EXIT[$v]="${EXIT[$v]:-} $exit"
    done
    echo "run $run of $RUNS done" >&2
done

median() { tr ' ' '\n' | grep . | sort -g | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
base_tray=$(echo "${TRAY[tray-only]}" | median)
base_exit=$(echo "${EXIT[tray-only]}" | median)
echo "Start-up, medians of $RUNS runs (ms; 64-bit build under Wine)"
printf '  %-34s %10s %8s %10s %8s\n' "" "to icon" "ratio" "to exit" "ratio"
for v in $VARIANTS; do
    t=$(echo "${TRAY[$v]}" | median) e=$(echo "${EXIT[$v]}" | median)
    case $v in
    tray-only) name="tray_only.exe (window + icon)" ;;
    lumarel-0) name="Lumarel, no settings file" ;;
    lumarel-100) name="Lumarel, 100 programs" ;;
    lumarel-1000) name="Lumarel, 1,000 programs" ;;
    folders-1000) name="Lumarel, 1,000 folders (no look-up)" ;;
    separators-1000) name="Lumarel, 1,000 separators" ;;
    esac
    printf '  %-34s %10.1f %8.2f %10.1f %8.2f\n' "$name" "$t" "$(echo "$t / $base_tray" | bc -l)" \
        "$e" "$(echo "$e / $base_exit" | bc -l)"
done
echo "Goal: Lumarel with 100 programs within 1.5 times tray_only.exe."
