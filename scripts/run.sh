#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it starts a
# virtual one (Xvfb) and says so.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh run
source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
build=${BUILD_DIR:-build/app-$PELORIN_RUN_ARCH}
mkdir -p "$build"
build=$(cd "$build" && pwd)
scripts/build.sh "$build" "$PELORIN_RUN_ARCH" -DPELORIN_TESTS=OFF -DPELORIN_BENCH=OFF
start() {
    scripts/wine-prefix.sh "$build"
    echo "== Starting Pelorin MINI版 ($build/bin/pelorin.exe)"
    scripts/wine-exec.sh "$build" "$build/bin/pelorin.exe"
}
source scripts/wine-env.sh "$build"
if [ -z "${DISPLAY:-}" ]; then
    echo "== No display: running on a virtual X display (Xvfb); the window is not visible"
    wineserver -k 2>/dev/null || true
    export -f start
    export build
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c start
else
    export PELORIN_REAL_AUDIO=1
    start
fi
