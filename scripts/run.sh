#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it starts a
# virtual one (Xvfb), says so, and saves a screenshot of the window once it
# has painted.
#   BUILD_DIR            build folder (default build/app-<arch>; an existing
#                        build folder keeps its own options)
#   PELORIN_RUN_SECONDS  close the window after that many seconds (as its
#                        close button does) and wait for the program to end
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh run
source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
build=${BUILD_DIR:-build/app-$PELORIN_RUN_ARCH}
mkdir -p "$build"
build=$(cd "$build" && pwd)
if [ -f "$build/CMakeCache.txt" ]; then
    scripts/build.sh "$build" "$PELORIN_RUN_ARCH"
else
    scripts/build.sh "$build" "$PELORIN_RUN_ARCH" -DPELORIN_TESTS=OFF -DPELORIN_BENCH=OFF
fi

# The program starts through a helper that says when the window is up and
# painted, and closes it when asked to.
helper=("$build/tools/pelorin-run.exe")
[ -n "${PELORIN_RUN_SECONDS:-}" ] && helper+=(--close-after "$PELORIN_RUN_SECONDS")
if [ -z "${DISPLAY:-}" ]; then
    screenshot="$build/screenshot.png"
    rm -f "$screenshot"
    helper+=(--screenshot "Z:${screenshot//\//\\}")
    echo "== No display: the window runs on a virtual X display (Xvfb), where nobody sees it."
    echo "   A screenshot of it is saved to $screenshot once it has painted."
    if [ -n "${PELORIN_RUN_SECONDS:-}" ]; then
        echo "   It closes after $PELORIN_RUN_SECONDS s (PELORIN_RUN_SECONDS)."
    else
        echo "   Stop it with Ctrl+C (PELORIN_RUN_SECONDS=<n> closes it after n seconds)."
    fi
    run_virtual=1
else
    run_virtual=0
    export PELORIN_REAL_AUDIO=1
fi
source scripts/wine-env.sh "$build"
# A wineserver left from a run on another display would keep its desktop.
wineserver -k 2>/dev/null || true
trap 'wineserver -k 2>/dev/null || true' EXIT
start='build=$1 && shift && scripts/wine-prefix.sh "$build" &&
    echo "== Starting Pelorin MINI版 ($build/bin/pelorin.exe)" && exec "$@"'
set -- "$build" scripts/wine-exec.sh "$build" "${helper[@]}" "$build/bin/pelorin.exe"
if [ $run_virtual = 1 ]; then
    # xvfb-run is a /bin/sh script: the command goes to it as words, never as
    # an exported shell function (dash drops those from the environment).
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "$start" _ "$@"
else
    bash -c "$start" _ "$@"
fi
