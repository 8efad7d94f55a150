#!/usr/bin/env bash
# Builds Lumarel.exe and starts it under Wine on a virtual desktop with a
# taskbar (1024x768), on the current display or, without one, on a
# virtual screen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh
. tools/wine-env.sh
mkdir -p build
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 --target Lumarel -j"$(nproc)" >/dev/null

# One prefix of its own that keeps the settings between runs.
export WINEPREFIX=${LUMAREL_WINEPREFIX:-$root/build/wine-user}
if [ ! -d "$WINEPREFIX/drive_c" ]; then
    fresh=$(fresh_prefix)
    mv "$fresh" "$WINEPREFIX"
fi

if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
    echo "No display: Lumarel runs on the virtual screen $DISPLAY (Xvfb, pid $XVFB_PID)."
    echo "Look at it with:  DISPLAY=$DISPLAY import -window root -depth 8 lumarel.png"
    echo "Its tray icon is at (1013, 757):  DISPLAY=$DISPLAY xdotool mousemove 1013 757 click 1"
fi
echo "Settings: $WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Lumarel.ini"
echo "Starting Lumarel (right-click its tray icon and choose Beenden to end it)."
wine build/win32/Lumarel.exe
