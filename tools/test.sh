#!/usr/bin/env bash
# Builds everything and runs every test: the host tests of the core, the
# Windows program's file check, the Windows-side tests and the end-to-end
# tests under Wine, headless. Exits non-zero when anything failed.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash tools/setup.sh || exit 1
. tools/wine-env.sh
unset DISPLAY  # every Wine test brings its own virtual screen
jobs=$(nproc 2>/dev/null || echo 2)

configure_and_build() {  # DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >"$dir.configure.log" 2>&1 ||
        { cat "$dir.configure.log"; return 1; }
    cmake --build "$dir" -j"$jobs" >"$dir.build.log" 2>&1 || { tail -50 "$dir.build.log"; return 1; }
}

failed=()
run_ctest() {  # DIR [ctest options...]
    local dir=$1
    shift
    echo "== tests in $dir"
    (cd "$dir" && ctest --output-on-failure "$@") || failed+=("$dir")
}

mkdir -p build
configure_and_build build/host || exit 1
run_ctest build/host -j"$jobs"
# The same tests once more under AddressSanitizer and UBSan: the ICO
# reader must never read outside its data, whatever the data.
configure_and_build build/host-asan -DLUMAREL_SANITIZE=ON || exit 1
run_ctest build/host-asan -j"$jobs"

# The 32-bit program is the one users get. Where this machine runs i386
# code only through emulation, the Windows-side and end-to-end tests run
# on a 64-bit build of the same sources, and the 32-bit program gets its
# file check and a start-and-close test.
if native_i386; then
    configure_and_build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake || exit 1
    run_ctest build/win32
else
    configure_and_build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
        -DLUMAREL_WINE_TESTS=OFF || exit 1
    configure_and_build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake || exit 1
    run_ctest build/win32
    run_ctest build/win64
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "FAILED in: ${failed[*]}"
    exit 1
fi
echo "all tests passed"
