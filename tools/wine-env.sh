# Shared by the Wine scripts: where Wine is, which architecture of test
# programs it runs natively, the prepared prefix, and a virtual screen.
# Sourced, not run.

LUMAREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=C.UTF-8
# Where i386 code runs through qemu-user, Wine needs room below 2 GiB
# reserved up front; the size is a trade-off with its start-up time.
export QEMU_RESERVED_VA=${QEMU_RESERVED_VA:-0x90000000}

WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# True when the file is a 32-bit x86 Windows program.
is_pe32() {
    [ -f "$1" ] || return 1
    local pe machine
    pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$pe" ] || return 1
    machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
    [ "$machine" = "014c" ]
}

# Wine's own 32-bit loader for i386 programs, the 64-bit one for the rest
# (its tools included), so that 64-bit work never goes through emulation.
wine() {
    if is_pe32 "$1"; then "$WINE32_LOADER" "$@"; else "$WINE64_LOADER" "$@"; fi
}

# True when this machine executes 32-bit x86 code natively.
native_i386() {
    [ -x /lib/ld-linux.so.2 ] || return 1
    local out
    out=$(QEMU_RESERVED_VA= /lib/ld-linux.so.2 --help 2>/dev/null | head -1) || return 1
    [ -n "$out" ] && ! grep -q qemu-i386 /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null
}

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID is set.
start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e /tmp/.X11-unix/X$n ] && { export DISPLAY=:$n; return 0; }
            kill -0 $XVFB_PID 2>/dev/null || break
            sleep 0.1
        done
        kill $XVFB_PID 2>/dev/null
    done
    echo "wine-env: no display could be started" >&2
    return 1
}

# The prepared prefix: booted once, with a named virtual desktop so that
# the taskbar and its notification area are there from the start.
template_prefix() {
    local dir=${LUMAREL_WINE_TEMPLATE:-$LUMAREL_ROOT/build/wine-template}
    (
        flock 9
        if [ ! -f "$dir/.ready" ]; then
            rm -rf "$dir"
            mkdir -p "$dir"
            export WINEPREFIX=$dir
            local own_display=""
            if [ -z "${DISPLAY:-}" ]; then start_xvfb || exit 1; own_display=$XVFB_PID; fi
            wine wineboot -i >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
            wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
            wineserver -w
            [ -n "$own_display" ] && kill "$own_display" 2>/dev/null
            touch "$dir/.ready"
        fi
    ) 9>"${dir}.lock"
    echo "$dir"
}

# A fresh prefix made from the template: files are hard links (Wine
# replaces what it changes), the registry is copied.
fresh_prefix() {
    local template target
    template=$(template_prefix) || return 1
    target=$(mktemp -d "${TMPDIR:-/tmp}/lumarel-prefix.XXXXXX")
    cp -al "$template/." "$target/"
    rm -f "$target"/*.reg
    cp "$template"/*.reg "$target/"
    echo "$target"
}

# Ends the wineserver of the current prefix and removes the prefix.
drop_prefix() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    case "$WINEPREFIX" in */lumarel-prefix.*) rm -rf "$WINEPREFIX" ;; esac
}
