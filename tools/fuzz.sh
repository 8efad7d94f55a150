#!/usr/bin/env bash
# Builds the settings reader's fuzz target with clang (libFuzzer, ASan,
# UBSan) in build/fuzz and runs it on its corpus. Further arguments go to
# libFuzzer, e.g.: tools/fuzz.sh -max_total_time=600
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMAREL_FUZZ=ON >/dev/null
cmake --build "$build" --target settings_fuzz -j2
# New inputs go to the first folder; the seeds in the tree stay as they are.
mkdir -p "$build/corpus" "$build/findings"
cd "$build"
exec ./settings_fuzz -artifact_prefix="$build/findings/" "$build/corpus" "$root/tests/fuzz/seeds" "$@"
