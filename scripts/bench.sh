#!/usr/bin/env bash
# Builds and runs the benchmarks headless under Wine; prints their tables.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh test
source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
build=${BUILD_DIR:-build/$PELORIN_RUN_ARCH}
mkdir -p "$build"
build=$(cd "$build" && pwd)
scripts/build.sh "$build" "$PELORIN_RUN_ARCH"
source scripts/wine-env.sh "$build"
wineserver -k 2>/dev/null || true
out="$build/bench.txt"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    scripts/wine-prefix.sh "$1" && wineserver -p &&
    scripts/wine-exec.sh "$1" "$1/bin/playback_bench.exe" && echo &&
    scripts/wine-exec.sh "$1" "$1/bin/startup_bench.exe"' _ "$build" > "$out" 2>&1 || status=$?
wineserver -k 2>/dev/null || true
cat "$out"
exit ${status:-0}
