#!/usr/bin/env bash
# Builds the program and takes the screenshots of docs/ from the real, skinned
# window, headless under Wine: collapsed, expanded, a hovered button, a
# checked box, the button-name dialog and the settings dialog.
#   BUILD_DIR   build folder (default build/<arch>)
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
mkdir -p docs/screenshots
out="Z:${root//\//\\}\\docs\\screenshots"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    scripts/wine-prefix.sh "$1" && wineserver -p &&
    scripts/wine-exec.sh "$1" "$1/bin/pelorin-screenshots.exe" "$2"' _ "$build" "$out" || status=$?
status=${status:-0}
wineserver -k 2>/dev/null || true
exit $status
