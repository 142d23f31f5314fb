#!/usr/bin/env bash
# Builds everything and runs every test headless under Wine: the checks of the
# scripts (tests/scripts), then the GoogleTest programs through ctest.
#   BUILD_DIR        build folder of the tested build (default build/<arch>)
#   PELORIN_SKIP_X64 set to 1 to build only the tested architecture
# Extra arguments go to ctest (for example -R Layout); with them, the check
# that starts the program through scripts/run.sh is left out.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh test
status=0
echo "== Checking the install decisions of scripts/deps.sh (no network)"
bash tests/scripts/deps_test.sh || status=1

source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
arch=$PELORIN_RUN_ARCH
other=x86_64
[ "$arch" = x86_64 ] && other=i686
if [ "$arch" = i686 ]; then
    echo "== The tests run the i686 build; the x86_64 build is compiled and linked only."
else
    if [ -e /usr/lib/wine/wine ]; then
        why="Wine's 32-bit loader cannot start on this machine"
    else
        why="32-bit Wine (wine32) is not installed"
    fi
    echo "== $why: the tests run the x86_64 build; the i686 build is compiled and linked only."
fi
build=${BUILD_DIR:-build/$arch}
mkdir -p "$build"
build=$(cd "$build" && pwd)

scripts/build.sh "$build" "$arch"
if [ "${PELORIN_SKIP_X64:-0}" != 1 ]; then
    # The other architecture is compiled and linked, tests included, but not
    # run: pointer-size mistakes (SetWindowLong for SetWindowLongPtr) surface.
    scripts/build.sh "$root/build/$other" "$other"
fi

if [ $# = 0 ]; then
    echo "== Starting the program as scripts/run.sh does without a display"
    bash tests/scripts/run_check.sh "$build" || status=1
fi

source scripts/wine-env.sh "$build"
wineserver -k 2>/dev/null || true
rm -rf "$PELORIN_CAPTURE_DIR"
echo "== Running the tests headless (Xvfb) under Wine"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c 'scripts/wine-prefix.sh "$1" && wineserver -p && shift && ctest --test-dir "$@"' _ "$build" "$build" \
    --output-on-failure --timeout 300 "$@" || status=$?
wineserver -k 2>/dev/null || true
[ $status = 0 ] || echo "== FAILED: see the FAIL lines above"
exit $status
