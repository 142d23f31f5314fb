#!/usr/bin/env bash
# Builds everything and runs every test headless under Wine: the checks of the
# scripts (tests/scripts), then the GoogleTest programs through ctest.
#   BUILD_DIR        build folder of the tested build (default build/<arch>)
#   PELORIN_SKIP_X64 set to 1 to build only the tested architecture
# Extra arguments go to ctest (for example -R Layout); with them, the check
# that starts the program through scripts/run.sh and the release packaging
# are left out. After the tests, the release zips are made from the two builds
# (scripts/package.sh, nothing compiled) and checked (package_check.sh).
set -euo pipefail
started=$(date +%s)
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
    echo "== The tests run the i686 build; every file of the x86_64 build is compiled, its program linked."
else
    if [ -e /usr/lib/wine/wine ]; then
        why="Wine's 32-bit loader cannot start on this machine"
    else
        why="32-bit Wine (wine32) is not installed"
    fi
    echo "== $why: the tests run the x86_64 build; every file of the i686 build is compiled, its program linked."
fi
build=${BUILD_DIR:-build/$arch}
mkdir -p "$build"
build=$(cd "$build" && pwd)

scripts/build.sh "$build" "$arch"
if [ "${PELORIN_SKIP_X64:-0}" != 1 ]; then
    # The other architecture's files are all compiled, tests included, and its
    # program is linked, but nothing of it runs: pointer-size mistakes
    # (SetWindowLong for SetWindowLongPtr) surface at compile time.
    PELORIN_COMPILE_ONLY=1 scripts/build.sh "$root/build/$other" "$other" -DPELORIN_TESTS_BUILD_ONLY=ON
fi

if [ $# = 0 ]; then
    echo "== Starting the program as scripts/run.sh does without a display"
    bash tests/scripts/run_check.sh "$build" || status=1
fi

if [ $# = 0 ] && [ "${PELORIN_SKIP_X64:-0}" != 1 ]; then
    echo "== Packaging the release from both builds and checking the packages"
    build_i686=$root/build/i686 build_x86_64=$build
    [ "$arch" = i686 ] && build_i686=$build build_x86_64=$root/build/x86_64
    bash scripts/package.sh "$build_i686" "$build_x86_64" && bash tests/scripts/package_check.sh "$build" || status=1
fi

bash scripts/ctest-lanes.sh "$build" "$started" "$@" || status=$?

[ $status = 0 ] || echo "== FAILED: see the FAIL lines above"
exit $status
