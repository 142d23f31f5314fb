#!/usr/bin/env bash
# Builds and runs the benchmarks headless under Wine; prints their tables.
# Fails when a benchmark fails, and so when a baseline did not run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh test
source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
# The MCI baseline's GStreamer plugins, for the architecture that runs.
scripts/deps.sh bench "$PELORIN_RUN_ARCH"
build=${BUILD_DIR:-build/$PELORIN_RUN_ARCH}
mkdir -p "$build"
build=$(cd "$build" && pwd)
scripts/build.sh "$build" "$PELORIN_RUN_ARCH"
source scripts/wine-env.sh "$build"
wineserver -k 2>/dev/null || true
out="$build/bench.txt"
# Every benchmark of the build (bench/*: bin/*_bench.exe) runs, even after one
# failed; the run fails if any did.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    scripts/wine-prefix.sh "$1" && wineserver -p || exit 1
    status=0
    for bench in "$1"/bin/*_bench.exe; do
        scripts/wine-exec.sh "$1" "$bench" || { status=1; echo "FAILED: $(basename "$bench")"; }
        echo
    done
    exit $status' _ "$build" > "$out" 2>&1 || status=$?
wineserver -k 2>/dev/null || true
cat "$out"
exit ${status:-0}
