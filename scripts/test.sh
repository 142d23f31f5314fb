#!/usr/bin/env bash
# Builds everything and runs every test headless under Wine.
#   BUILD_DIR        build folder of the tested build (default build/<arch>)
#   PELORIN_SKIP_X64 set to 1 to build only the tested architecture
# Extra arguments go to ctest (for example -R Layout).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/deps.sh test
source scripts/wine-env.sh "$root/build"   # only to learn PELORIN_RUN_ARCH
arch=$PELORIN_RUN_ARCH
other=x86_64
[ "$arch" = x86_64 ] && other=i686
if [ "$arch" != i686 ]; then
    echo "== This machine cannot start 32-bit programs (Wine's 32-bit loader fails):"
    echo "   the tests run the x86_64 build; the i686 build is compiled and linked only."
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

source scripts/wine-env.sh "$build"
wineserver -k 2>/dev/null || true
rm -rf "$PELORIN_CAPTURE_DIR"
echo "== Running the tests headless (Xvfb) under Wine"
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash -c 'scripts/wine-prefix.sh "$1" && wineserver -p && shift && ctest --test-dir "$@"' _ "$build" "$build" \
    --output-on-failure --timeout 300 "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
