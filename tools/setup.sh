#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need.
# Idempotent: does nothing when everything is present already.
set -euo pipefail

packages=(
    cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
    g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
    wine wine32:i386 wine64 xvfb xdotool imagemagick icoutils
    clang libclang-rt-14-dev
)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

missing=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
if [ ${#missing[@]} -gt 0 ] || ! installed fonts-wine; then
    # wine32 needs the i386 architecture before the package lists are read
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
    if [ ${#missing[@]} -gt 0 ]; then
        echo "setup: installing ${missing[*]}"
        $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
    # without it every face, Tahoma included, becomes DejaVu Sans
    installed fonts-wine || $SUDO apt-get install -y -qq --no-install-recommends fonts-wine >/dev/null
fi

# Some machines run no 32-bit x86 code natively (the kernel refuses i386
# executables). Wine's 32-bit loader then runs through qemu's user-mode
# emulation, registered for i386 executables.
if ! /lib/ld-linux.so.2 --help >/dev/null 2>&1; then
    if ! installed qemu-user-static; then
        echo "setup: this machine runs no i386 code; installing qemu-user-static"
        $SUDO apt-get update -qq
        $SUDO apt-get install -y -qq qemu-user-static >/dev/null
    fi
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
    if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
        printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
            $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null
    fi
fi
