#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need.
# Idempotent: does nothing when everything is present already.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32:i386 wine64 xvfb xdotool imagemagick icoutils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# fonts-wine is installed without recommends (it pulls nothing we need).
if ! dpkg-query -W -f='${Status}' fonts-wine 2>/dev/null | grep -q 'install ok installed'; then
  missing_fonts=1
else
  missing_fonts=0
fi

if [ ${#missing[@]} -eq 0 ] && [ $missing_fonts -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if [ $missing_fonts -eq 1 ]; then
  $SUDO apt-get install -y -qq --no-install-recommends fonts-wine >/dev/null
fi
